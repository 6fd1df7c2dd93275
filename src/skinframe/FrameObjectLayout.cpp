#include "skinframe/FrameObjectLayout.h"

#include "skinframe/FrameGeometry.h"
#include "skinui/SkinRect.h"

namespace {

enum Zone { TopLeft = 1, TopRight = 2, BottomLeft = 4, BottomRight = 8 };

// The corner zones of the frame picture that contain point.
int ZonesOf(const QPoint& p, const FrameGeometry& g)
{
    const QSize& pic = g.picture;
    const NinePieceGeometry& s = g.skin;
    int zones = 0;
    if (PointInSkinRect(SkinRect(0, 0, s.lt.x(), s.lt.y()), p))
        zones |= TopLeft;
    if (PointInSkinRect(SkinRect(s.rt.x(), 0, pic.width(), s.rt.y()), p))
        zones |= TopRight;
    if (PointInSkinRect(SkinRect(0, s.lb.y(), s.lb.x(), pic.height()), p))
        zones |= BottomLeft;
    if (PointInSkinRect(SkinRect(s.rb.x(), s.rb.y(), pic.width(), pic.height()), p))
        zones |= BottomRight;
    return zones;
}

// Moves the object's left/top and its right/bottom edges by the given amounts.
QRect Shifted(const QRect& r, int left, int top, int right, int bottom)
{
    return SkinRect(r.x() + left, r.y() + top, RightOf(r) + right, BottomOf(r) + bottom);
}

int Advance(int pen, int width, int offset, bool rightwards)
{
    return rightwards ? pen + width + offset : pen - width - offset;
}

}  // namespace

QRect GrownObjectRect(const QRect& skinRect, const FrameGeometry& geometry)
{
    const int dX = geometry.grown.rb.x() - geometry.skin.rb.x();
    const int dY = geometry.grown.rb.y() - geometry.skin.rb.y();
    const int from = ZonesOf(skinRect.topLeft(), geometry);
    const int to = ZonesOf(QPoint(RightOf(skinRect), BottomOf(skinRect)), geometry);
    const auto in = [&](int zones, Zone zone) { return (zones & zone) != 0; };
    const QRect& r = skinRect;
    if (in(from, TopLeft) && in(to, TopLeft))
        return r;
    if (in(from, TopRight) && in(to, TopRight))
        return r.translated(dX, 0);
    if (in(from, BottomLeft) && in(to, BottomLeft))
        return r.translated(0, dY);
    if (in(from, BottomRight) && in(to, BottomRight))
        return r.translated(dX, dY);
    if (in(from, TopLeft) && in(to, BottomRight))
        return Shifted(r, 0, 0, dX, dY);
    if (in(from, TopLeft) && in(to, TopRight))
        return Shifted(r, 0, 0, dX, 0);
    if (in(from, BottomLeft) && in(to, BottomRight))
        return Shifted(r, 0, dY, dX, dY);
    if (in(from, TopLeft) && in(to, BottomLeft))
        return Shifted(r, 0, 0, 0, dY);
    if (in(from, TopRight) && in(to, BottomRight))
        return Shifted(r, dX, 0, dX, dY);
    return r;
}

void LayOutFrameButtons(const FrameGeometry& g, FrameButtonLayout& layout)
{
    const bool inButtonsRect = !g.buttonsRect.isEmpty();
    const QRect area = inButtonsRect ? g.buttonsRect : g.captionRect;
    if (area.isEmpty())
        return;
    const bool rightwards = g.buttonsInLeft;
    const int offset = g.buttonsOffset;
    int pen = rightwards ? area.x() : RightOf(area);
    for (FrameButtonSlot* button : layout.buttons) {
        if (!button->visible)
            continue;
        const int left = rightwards ? pen : pen - button->size.width();
        button->rect = QRect(QPoint(left, area.y()), button->size);
        button->placed = true;
        pen = Advance(pen, button->size.width(), offset, rightwards);
    }
    QRect* caption = layout.caption;
    if (caption && !inButtonsRect) {
        if (rightwards)
            caption->setLeft(pen - offset);
        else
            caption->setRight(pen + offset - 1);
    }
    FrameButtonSlot* menu = layout.systemMenu;
    const QRect& c = g.captionRect;
    if (!menu || !menu->visible || c.isEmpty())
        return;
    const int top = c.y() + (c.height() - menu->size.height()) / 2;
    const int left = rightwards ? RightOf(c) - menu->size.width() : c.x();
    menu->rect = QRect(QPoint(left, top), menu->size);
    menu->placed = true;
    if (caption) {
        if (rightwards)
            caption->setRight(menu->rect.x() + offset - 1);
        else
            caption->setLeft(RightOf(menu->rect) - offset);
    }
}
