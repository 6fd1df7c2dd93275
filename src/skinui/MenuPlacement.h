#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a popup menu level opens, given the rectangle it belongs to (the point or button that
// opens it, or the parent item of a sub-menu, in screen coordinates) and the work area.
//
// Vertically a level goes below the anchor, or above it when it does not fit below, keeping
// inside the work area; an upward level prefers above. A sub-menu puts its first item level
// with its parent item. A level cut to the work area's height starts at its top.
// Horizontally a first level starts at the anchor's left edge, moved to stay inside the work
// area; a sub-menu (and a first level moved away from its anchor vertically) goes to the
// right of the anchor, or to its left when the right has no room.
struct MenuPlacement {
    QRect anchor;
    QRect workArea;
    QSize size;
    int itemsTop = 0;        // where the items start inside the level
    bool subMenu = false;
    bool upward = false;
    bool scrollsByHeight = false;

    QPoint TopLeft() const;

private:
    int Top(bool& flipped) const;
    int SubMenuTop() const;
    int UpwardTop(bool& flipped) const;
    int DownwardTop(bool& flipped) const;
    int Left(bool besideAnchor) const;
    bool InUpperHalf() const;
};
