#pragma once

#include <QMouseEvent>

// Mouse-event positions as the handlers receive them: integer client coordinates.
inline int EventX(const QMouseEvent* event) { return qRound(event->position().x()); }
inline int EventY(const QMouseEvent* event) { return qRound(event->position().y()); }
