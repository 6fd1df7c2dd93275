#pragma once

#include <QPoint>

class QWidget;

// Where the window system has the top-left of widget's window on the screen. On X11 the server
// is asked: the toolkit's own record of a window that was just shown and placed can lag behind
// (and did, for a box opened from the tray). Elsewhere the toolkit's record is all there is.
QPoint WindowScreenOrigin(const QWidget& widget);
