#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Where the pointer is, in widget's coordinates, while it is over widget's window and no other
// window lies in front of it there; none elsewhere. Where the window system keeps screen
// positions it is asked for the pointer and the window, so that a stale record of a window just
// placed cannot mislead; elsewhere (Wayland) only the toolkit's own record of the pointer over
// the program's windows counts, as nothing more is known.
std::optional<QPoint> PointerOver(const QWidget& widget);
