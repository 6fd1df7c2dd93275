#include "skinui/FrameStrips.h"

#include "skinui/PiecePainter.h"
#include "skinui/SkinRect.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// One strip: a side piece stretched into stretchTarget or tiled over tileArea, then the two
// unscaled end pieces on top. Rectangles named source are in picture coordinates.
struct StripPlan {
    QSize size;
    QRect piece;
    bool stretch = false;
    QRect stretchTarget;
    QRect tileArea;
    QRect headSource;
    QPoint headAt;
    QRect tailSource;
    QPoint tailAt;
};

void BuildStrip(QImage& strip, const QImage& picture, const StripPlan& plan)
{
    ResetDestination(strip, picture, plan.size.width(), plan.size.height());
    if (strip.isNull())
        return;
    PiecePainter painter(strip, picture);
    if (plan.stretch)
        painter.Stretch(plan.piece, plan.stretchTarget);
    else
        painter.Tile(plan.piece, plan.tileArea);
    painter.Copy(plan.headSource, plan.headAt);
    painter.Copy(plan.tailSource, plan.tailAt);
}

// A horizontal strip of the given height cut from rows top..top+height of the picture part:
// side piece from sideLeft to sideRight, head before sideLeft, tail from sideRight to the end.
StripPlan HorizontalStrip(const QRect& source, int width, int top, int height, int sideLeft,
                          int sideRight, int newSideLeft, int newSideRight)
{
    const QPoint o = source.topLeft();
    StripPlan plan;
    plan.size = QSize(width, height);
    plan.piece = SkinRect(sideLeft, top, sideRight, top + height).translated(o);
    plan.stretchTarget = SkinRect(newSideLeft, 0, newSideRight, height);
    plan.headSource = SkinRect(0, top, sideLeft, top + height).translated(o);
    plan.headAt = QPoint(0, 0);
    plan.tailSource = SkinRect(sideRight, top, source.width(), top + height).translated(o);
    plan.tailAt = QPoint(newSideRight, 0);
    return plan;
}

// A vertical strip of the given size cut from columns left..left+width: rows clTop..sideTop are
// the head, sideTop..sideBottom the side piece, sideBottom..clBottom the tail.
StripPlan VerticalStrip(const QRect& source, const QSize& size, int left, int clTop, int clBottom,
                        int sideTop, int sideBottom)
{
    const QPoint o = source.topLeft();
    const int width = size.width();
    const int height = size.height();
    StripPlan plan;
    plan.size = size;
    plan.piece = SkinRect(left, sideTop, left + width, sideBottom).translated(o);
    plan.stretchTarget = SkinRect(0, sideTop - clTop, width, height + sideBottom - clBottom);
    plan.tileArea = QRect(QPoint(0, 0), size);
    plan.headSource = SkinRect(left, clTop, left + width, sideTop).translated(o);
    plan.headAt = QPoint(0, 0);
    plan.tailSource = SkinRect(left, sideBottom, left + width, clBottom).translated(o);
    plan.tailAt = QPoint(0, height - (clBottom - sideBottom));
    return plan;
}

} // namespace

void BuildFrameStrips(FrameStripImages& strips, const QImage& picture, const QRect& source,
                      const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                      const QSize& window, NinePieceOptions options)
{
    const NinePieceGeometry& g = geometry;
    const NinePieceGeometry& n = grown;
    const QRect& cl = g.clRect;
    const int w = window.width();
    const int topHeight = n.clRect.y();
    const int bottomHeight = window.height() - BottomOf(n.clRect);
    const int sideHeight = window.height() - std::max(0, bottomHeight) - std::max(0, topHeight);

    if (w > 0 && topHeight > 0 && g.rt.x() > g.lt.x()) {
        StripPlan plan = HorizontalStrip(source, w, 0, topHeight, g.lt.x(), g.rt.x(), n.lt.x(),
                                         n.rt.x());
        plan.stretch = options.testFlag(NinePieceOption::StretchTop);
        plan.tileArea = QRect(0, 0, w, topHeight);
        BuildStrip(strips.top, picture, plan);
    }
    if (w > 0 && bottomHeight > 0 && g.rb.x() > g.lb.x()) {
        StripPlan plan = HorizontalStrip(source, w, source.height() - bottomHeight, bottomHeight,
                                         g.lb.x(), g.rb.x(), n.lb.x(), n.rb.x());
        plan.stretch = options.testFlag(NinePieceOption::StretchBottom);
        plan.tileArea = QRect(0, 0, w, bottomHeight);
        BuildStrip(strips.bottom, picture, plan);
    }
    const int leftWidth = n.clRect.x();
    if (leftWidth > 0 && sideHeight > 0 && g.lb.y() > g.lt.y()) {
        StripPlan plan = VerticalStrip(source, QSize(leftWidth, sideHeight), 0, cl.y(),
                                       BottomOf(cl), g.lt.y(), g.lb.y());
        plan.stretch = options.testFlag(NinePieceOption::StretchLeft);
        BuildStrip(strips.left, picture, plan);
    }
    const int rightWidth = w - RightOf(n.clRect);
    if (rightWidth >= 1 && sideHeight >= 1 && g.rb.y() > g.rt.y()) {
        StripPlan plan = VerticalStrip(source, QSize(rightWidth, sideHeight), RightOf(cl), cl.y(),
                                       BottomOf(cl), g.rt.y(), g.rb.y());
        plan.stretch = options.testFlag(NinePieceOption::StretchRight);
        BuildStrip(strips.right, picture, plan);
    }
}

void BuildMaskStrips(FrameStripImages& strips, const QImage& mask, const NinePieceGeometry& geometry,
                     const NinePieceGeometry& grown, int windowWidth)
{
    const NinePieceGeometry& g = geometry;
    const NinePieceGeometry& n = grown;
    const QRect& m = g.clRect;
    const QRect whole = mask.rect();
    const int sideHeight = n.clRect.height();

    if (m.x() > 0 && sideHeight > 0)
        BuildStrip(strips.left, mask,
                   VerticalStrip(whole, QSize(m.x(), sideHeight), 0, m.y(), BottomOf(m), g.lt.y(),
                                 g.lb.y()));
    const int rightWidth = whole.width() - RightOf(m);
    if (rightWidth > 0 && sideHeight > 0)
        BuildStrip(strips.right, mask,
                   VerticalStrip(whole, QSize(rightWidth, sideHeight), RightOf(m), m.y(),
                                 BottomOf(m), g.rt.y(), g.rb.y()));
    if (windowWidth > 0 && m.y() > 0) {
        StripPlan plan = HorizontalStrip(whole, windowWidth, 0, m.y(), g.lt.x(), g.rt.x(),
                                         n.lt.x(), n.rt.x());
        plan.tileArea = SkinRect(n.lt.x(), 0, n.rt.x(), m.y());
        BuildStrip(strips.top, mask, plan);
    }
    const int bottomHeight = whole.height() - BottomOf(m);
    if (windowWidth > 0 && bottomHeight > 0) {
        StripPlan plan = HorizontalStrip(whole, windowWidth, BottomOf(m), bottomHeight, g.lb.x(),
                                         g.rb.x(), n.lb.x(), n.rb.x());
        plan.tileArea = SkinRect(n.lb.x(), 0, n.rb.x(), bottomHeight);
        BuildStrip(strips.bottom, mask, plan);
    }
}

void BuildFrameStrips(FrameStripImages& strips, const ScaledSkinPicture& picture, const QRect& source,
                      const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                      const QSize& window, NinePieceOptions options)
{
    const int scale = picture.Scale();
    FrameStripImages built;
    BuildFrameStrips(built, picture.Source(), ScaledRect(source, scale), geometry.Scaled(scale), grown.Scaled(scale),
                     window * scale, options);
    for (auto [from, to] : {std::pair(&built.left, &strips.left), std::pair(&built.top, &strips.top),
                            std::pair(&built.right, &strips.right), std::pair(&built.bottom, &strips.bottom)}) {
        if (from->isNull())
            continue;
        picture.Finish(*from, from->size() / scale);
        *to = std::move(*from);
    }
}

void DrawFrameStrips(QPainter& painter, const FrameStripImages& strips, const QRect& frame)
{
    const int top = qRound(strips.top.deviceIndependentSize().height());
    const int right = qRound(strips.right.deviceIndependentSize().width());
    const int bottom = qRound(strips.bottom.deviceIndependentSize().height());
    painter.drawImage(frame.topLeft(), strips.top);
    painter.drawImage(frame.topLeft() + QPoint(0, top), strips.left);
    painter.drawImage(frame.topLeft() + QPoint(frame.width() - right, top), strips.right);
    painter.drawImage(frame.topLeft() + QPoint(0, frame.height() - bottom), strips.bottom);
}
