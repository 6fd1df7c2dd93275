#include "skinui/NinePieceGeometry.h"

#include "skinui/ScaledSkinPicture.h"
#include "skinui/SkinRect.h"

NinePieceGeometry NinePieceGeometry::Grown(int dW, int dH) const
{
    NinePieceGeometry g;
    g.lt = lt;
    g.rt = QPoint(rt.x() + dW, rt.y());
    g.lb = QPoint(lb.x(), lb.y() + dH);
    g.rb = QPoint(rb.x() + dW, rb.y() + dH);
    g.clRect = SkinRect(clRect.x(), clRect.y(), RightOf(clRect) + dW, BottomOf(clRect) + dH);
    return g;
}

NinePieceGeometry NinePieceGeometry::GrownTo(const QSize& source, const QSize& destination) const
{
    return Grown(destination.width() - source.width(), destination.height() - source.height());
}

NinePieceGeometry NinePieceGeometry::AtClientCorners(const QRect& clRect)
{
    NinePieceGeometry g;
    g.lt = clRect.topLeft();
    g.rt = QPoint(RightOf(clRect), clRect.y());
    g.lb = QPoint(clRect.x(), BottomOf(clRect));
    g.rb = QPoint(RightOf(clRect), BottomOf(clRect));
    g.clRect = clRect;
    return g;
}

NinePieceGeometry NinePieceGeometry::Scaled(int scale) const
{
    return {lt * scale, rt * scale, lb * scale, rb * scale, ScaledRect(clRect, scale)};
}
