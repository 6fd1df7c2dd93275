#pragma once

#include <QRect>

class QWidget;

// The work area (workArea set: the screen without panels and docks) or the whole rectangle of
// the screen nearest to window; of the primary screen when window is null or has no screen.
QRect GetMonitorWorkArea(const QWidget* window, bool workArea);
