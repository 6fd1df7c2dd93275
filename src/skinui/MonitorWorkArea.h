#pragma once

#include <QList>
#include <QRect>

class QWidget;

// The screen a rectangle belongs to, among screens given by their geometries: the one it
// overlaps most (the first of equals), or, when it overlaps none, the one whose centre is
// nearest to its centre. A rectangle of zero size stands for the pixel at its top-left corner.
// -1 for an empty list.
int ScreenIndexForRect(const QList<QRect>& screens, const QRect& rect);

// The work area (workArea set: the screen without panels and docks) or the whole rectangle of
// the screen that rect belongs to.
QRect GetMonitorWorkArea(const QRect& rect, bool workArea);

// The same for a window's frame; the primary screen when window is null.
QRect GetMonitorWorkArea(const QWidget* window, bool workArea);
