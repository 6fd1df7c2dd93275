#pragma once

#include "platform/WindowManager.h"

#include <QRegion>
#include <QSize>
#include <Qt>
#include <optional>

// The frameless window's edge bands: which sizing cursor a pointer position shows and which
// frame hit code a press there hands to the window system. X and Y are window coordinates,
// W and H the window's size.
namespace FrameBands {

// The cursor for (X, Y); nullopt where the cursor is to be left as it was.
std::optional<Qt::CursorShape> CursorAt(int W, int H, int X, int Y);
// The hit code for a press at (X, Y); 0 where a press starts nothing.
int HitCodeAt(int W, int H, int X, int Y);

// Whether At, in the coordinates of the status strip's right picture of size Picture, lies
// on the size grip drawn in its bottom right corner.
bool InSizeGrip(QSize picture, QPoint at);

// The bounds a maximize gives for a taskbar on an edge: left, top, width, height;
// nullopt for an unknown edge (the bounds stay).
std::optional<QRect> MaximizedBounds(const WorkAreaRect& workArea, const AppBarData& taskbar);

// A round-cornered rectangle region from (0, 0) to (Right, Bottom), exclusive, with corner
// ellipses EllipseW x EllipseH, as the window's shape.
QRegion RoundRectRegion(int right, int bottom, int ellipseW, int ellipseH);

}  // namespace FrameBands
