#include "skinframe/FrameHitTest.h"

#include "skinframe/FrameGeometry.h"
#include "skinui/RegionBuilder.h"
#include "skinui/SkinRect.h"

#include <array>

namespace {

bool InAny(const QList<QRect>& rects, const QPoint& p)
{
    for (const QRect& r : rects)
        if (r.contains(p))
            return true;
    return false;
}

// Whether one of the four points bw away from p lies outside the window's shape.
bool NearEdge(const QPoint& p, const FrameHitInput& in)
{
    const FrameGeometry& g = *in.geometry;
    const int bw = g.borderWidth;
    const std::array<QPoint, 4> probes{p - QPoint(bw, 0), p - QPoint(0, bw), p + QPoint(bw, 0), p + QPoint(0, bw)};
    const QRect window(QPoint(0, 0), g.form);
    const FrameStripImages* mask = in.maskStrips;
    if (!mask)
        return std::any_of(probes.begin(), probes.end(), [&](const QPoint& q) { return !window.contains(q); });
    if (g.maskRect.contains(p))
        return false;
    return std::any_of(probes.begin(), probes.end(),
                       [&](const QPoint& q) { return !InFramedShape(*mask, g.maskRect, q); });
}

// The sizing code of a point near the edge of a skinned frame; 0 where none applies.
int SkinnedEdgeCode(const QPoint& p, const FrameGeometry& g)
{
    const int x = p.x(), y = p.y();
    const QRect& c = g.ClientRect();
    const int w = g.form.width(), h = g.form.height();
    if (x <= g.hitLeftTop.x() && y <= g.hitLeftTop.y())
        return HTTOPLEFT;
    if (x >= g.hitRightTop.x() && y <= g.hitRightTop.y())
        return HTTOPRIGHT;
    if (x <= g.hitLeftBottom.x() && y >= g.hitLeftBottom.y())
        return HTBOTTOMLEFT;
    if (x >= g.hitRightBottom.x() && y >= g.hitRightBottom.y())
        return HTBOTTOMRIGHT;
    if (SkinRect(g.hitLeftTop.x(), 0, g.hitRightTop.x(), c.y()).contains(p))
        return HTTOP;
    if (SkinRect(g.hitLeftBottom.x(), BottomOf(c), g.hitRightBottom.x(), h).contains(p))
        return HTBOTTOM;
    if (SkinRect(0, g.hitLeftTop.y(), c.x(), g.hitLeftBottom.y()).contains(p))
        return HTLEFT;
    if (SkinRect(RightOf(c), g.hitRightTop.y(), w, g.hitRightBottom.y()).contains(p))
        return HTRIGHT;
    return 0;
}

// The sizing code of a point in the default frame's border; 0 inside it. The border takes
// x <= 2 and x >= W - 2, y <= 2 and y >= H - 2.
int DefaultEdgeCode(const QPoint& p, const QSize& form)
{
    const int b = DefaultFrame::kBorder;
    const bool left = p.x() < b, right = p.x() >= form.width() - (b - 1);
    const bool top = p.y() < b, bottom = p.y() >= form.height() - (b - 1);
    if (top)
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    return left ? HTLEFT : right ? HTRIGHT : 0;
}

int ClientCaptionOrObject(const QPoint& p, const FrameGeometry& g, const QList<QRect>& captions)
{
    if (g.ClientRect().contains(p))
        return HTCLIENT;
    if (InAny(captions, p))
        return HTCAPTION;
    return HTOBJECT;
}

}  // namespace

int FrameHitTestAt(const QPoint& p, const FrameHitInput& in)
{
    const FrameGeometry& g = *in.geometry;
    const FrameHitState s = in.state;
    const bool sizable = s.testFlag(FrameHitFlag::Resizable) && !s.testFlag(FrameHitFlag::Maximized);
    const bool shown = !s.testFlag(FrameHitFlag::RolledUp) && !s.testFlag(FrameHitFlag::Minimized);
    // The default frame's caption answers from (3, 3) to (W - 3, caption height).
    const QRect& bar = g.captionRect;
    const QList<QRect> captions =
        g.skinned ? in.captionObjects
                  : QList<QRect>{SkinRect(bar.x(), bar.y(), RightOf(bar), BottomOf(bar) - DefaultFrame::kBorder)};
    if (shown && s.testFlag(FrameHitFlag::HotObject)
        && !InAny(in.captionObjects, p) && !g.ClientRect().contains(p))
        return HTOBJECT;
    if (shown && sizable) {
        const int edge = !g.skinned ? DefaultEdgeCode(p, g.form) : NearEdge(p, in) ? SkinnedEdgeCode(p, g) : 0;
        if (edge)
            return edge;
    }
    return ClientCaptionOrObject(p, g, captions);
}

Qt::CursorShape CursorOfHitCode(int code)
{
    switch (code) {
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}
