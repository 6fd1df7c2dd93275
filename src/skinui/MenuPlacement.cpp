#include "skinui/MenuPlacement.h"

#include "skinui/SkinRect.h"

bool MenuPlacement::InUpperHalf() const
{
    return anchor.y() < workArea.y() + workArea.height() / 2;
}

int MenuPlacement::SubMenuTop() const
{
    const int level = anchor.y() - itemsTop;
    if (level + size.height() <= BottomOf(workArea))
        return level;
    if (InUpperHalf())
        return BottomOf(workArea) - size.height();
    return qMax(BottomOf(anchor) + itemsTop - size.height(), workArea.y());
}

int MenuPlacement::UpwardTop(bool& flipped) const
{
    const int above = anchor.y() - size.height();
    if (above >= workArea.y())
        return above;
    flipped = true;
    if (!InUpperHalf())
        return workArea.y();
    const int below = BottomOf(anchor);
    flipped = below + size.height() > BottomOf(workArea);
    return flipped ? BottomOf(workArea) - size.height() : below;
}

int MenuPlacement::DownwardTop(bool& flipped) const
{
    const int below = BottomOf(anchor);
    if (below + size.height() <= BottomOf(workArea))
        return below;
    if (InUpperHalf()) {
        flipped = true;
        return BottomOf(workArea) - size.height();
    }
    const int above = anchor.y() - size.height();
    if (above >= workArea.y())
        return above;
    flipped = true;
    return workArea.y();
}

int MenuPlacement::Top(bool& flipped) const
{
    if (scrollsByHeight)
        return workArea.y();
    if (subMenu)
        return SubMenuTop();
    return upward ? UpwardTop(flipped) : DownwardTop(flipped);
}

int MenuPlacement::Left(bool besideAnchor) const
{
    if (!besideAnchor) {
        int x = anchor.x();
        if (x + size.width() > RightOf(workArea))
            x = RightOf(workArea) - size.width();
        return qMax(x, workArea.x());
    }
    const int right = RightOf(anchor) + 1;
    if (right + size.width() <= RightOf(workArea))
        return right;
    // No room on either side: keep the level's left edge on the screen.
    return qMax(anchor.x() - size.width() - 1, workArea.x());
}

QPoint MenuPlacement::TopLeft() const
{
    bool flipped = false;
    const int y = Top(flipped);
    return QPoint(Left(subMenu || flipped || scrollsByHeight), y);
}
