#include "skinui/MenuGeometry.h"

#include "skinui/SkinRect.h"

#include <numeric>

MenuGeometry::MenuGeometry(const Sizing& sizing)
    : heights_(sizing.heights), plainMarkers_(sizing.plainMarkers)
{
    const QMargins& m = sizing.itemsMargins;
    const int frameHeight = m.top() + m.bottom();
    int height = std::accumulate(heights_.cbegin(), heights_.cend(), 0) + frameHeight;
    if (sizing.maxItems > 0 && sizing.maxItems < heights_.size()) {
        height = sizing.maxItems * sizing.limitItemHeight + frameHeight + 2 * kMarkerHeight;
        scrolling_ = true;
    }
    if (height > sizing.workAreaHeight && sizing.workAreaHeight > 0) {
        height = sizing.workAreaHeight;
        scrolling_ = true;
        scrollsByHeight_ = true;
    }
    size_ = QSize(sizing.itemWidth + m.left() + m.right(), height);
    itemsRect_ = SkinRect(m.left(), m.top(), size_.width() - m.right(), height - m.bottom());
}

QRect MenuGeometry::Stack() const
{
    if (!scrolling_)
        return itemsRect_;
    return itemsRect_.adjusted(0, kMarkerHeight, 0, -kMarkerHeight);
}

QRect MenuGeometry::ItemRect(int index, int top) const
{
    if (index < top || index >= Count())
        return QRect();
    const QRect stack = Stack();
    int y = stack.y();
    for (int i = top; i < index; ++i)
        y += heights_.at(i);
    const int bottom = y + heights_.at(index);
    if (bottom > BottomOf(stack))
        return QRect();
    return SkinRect(stack.x(), y, RightOf(stack), bottom);
}

int MenuGeometry::LastShown(int top) const
{
    const int limit = BottomOf(Stack());
    int y = Stack().y();
    int last = top - 1;
    for (int i = qMax(0, top); i < Count() && y + heights_.at(i) <= limit; ++i) {
        y += heights_.at(i);
        last = i;
    }
    return last;
}

int MenuGeometry::TopShowing(int index, int top) const
{
    if (index < top)
        return index;
    while (top < index && LastShown(top) < index)
        ++top;
    return top;
}

int MenuGeometry::ItemAt(const QPoint& point, int top) const
{
    const int last = LastShown(top);
    for (int i = qMax(0, top); i <= last; ++i) {
        if (PointInSkinRect(ItemRect(i, top), point))
            return i;
    }
    return -1;
}

QRect MenuGeometry::UpMarker() const
{
    if (!scrolling_)
        return QRect();
    if (plainMarkers_)
        return SkinRect(3, 3, size_.width() - 3, 3 + kMarkerHeight);
    return QRect(itemsRect_.x(), itemsRect_.y(), itemsRect_.width(), kMarkerHeight);
}

QRect MenuGeometry::DownMarker() const
{
    if (!scrolling_)
        return QRect();
    if (plainMarkers_)
        return SkinRect(3, size_.height() - 3 - kMarkerHeight, size_.width() - 3, size_.height() - 3);
    return QRect(itemsRect_.x(), BottomOf(itemsRect_) - kMarkerHeight, itemsRect_.width(), kMarkerHeight);
}
