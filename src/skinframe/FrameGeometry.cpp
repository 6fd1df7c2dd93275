#include "skinframe/FrameGeometry.h"

#include "skin/TbsDataSkinFormInfo.h"
#include "skinui/SkinObjectMapping.h"
#include "skinui/SkinRect.h"

namespace {

bool IsToolWindow(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}

QRect GrownRight(const QRect& r, int dW)
{
    return r.isEmpty() ? r : SkinRect(r.x(), r.y(), RightOf(r) + dW, BottomOf(r));
}

}  // namespace

int DefaultFrame::CaptionHeight(TFormBorderStyle style)
{
    return IsToolWindow(style) ? 15 : 19;
}

int DefaultFrame::ButtonSize(TFormBorderStyle style)
{
    return IsToolWindow(style) ? 13 : 17;
}

FrameGeometry FrameGeometry::OfSkin(const TbsDataSkinFormInfo& info, const QSize& picture, const QSize& form)
{
    const int dW = form.width() - picture.width();
    const int dH = form.height() - picture.height();
    FrameGeometry g;
    g.skinned = true;
    g.picture = picture;
    g.form = form;
    g.skin = NinePieceGeometryOf(info);
    g.grown = g.skin.Grown(dW, dH);
    g.captionRect = GrownRight(info.captionrect, dW);
    g.buttonsAtLeft = info.buttonsrect.x() <= picture.width() / 2;
    g.buttonsRect = g.buttonsAtLeft ? info.buttonsrect : info.buttonsrect.translated(dW, 0);
    g.buttonsInLeft = info.buttonsinleft;
    g.buttonsOffset = info.buttonsoffset;
    g.borderWidth = info.borderwidth;
    g.hitLeftTop = info.hittestlefttoppoint;
    g.hitRightTop = info.hittestrighttoppoint + QPoint(dW, 0);
    g.hitLeftBottom = QPoint(info.hittestleftbottompoint.x(), info.leftbottompoint.y() + dH);
    g.hitRightBottom = info.hittestrightbottompoint + QPoint(dW, dH);
    const QRect& m = info.maskrectarea;
    g.maskRect = SkinRect(m.x(), m.y(), RightOf(m) + dW, BottomOf(m) + dH);
    return g;
}

FrameGeometry FrameGeometry::OfDefault(TFormBorderStyle style, const QSize& form)
{
    const int b = DefaultFrame::kBorder;
    const int caption = DefaultFrame::CaptionHeight(style);
    const int w = form.width();
    const int h = form.height();
    FrameGeometry g;
    g.form = form;
    g.captionRect = SkinRect(b, b, w - b, b + caption);
    // The buttons sit vertically centred in the caption bar, one pixel off its right end.
    const int buttonTop = b + (caption - DefaultFrame::ButtonSize(style)) / 2;
    g.buttonsRect = SkinRect(b, buttonTop, w - b - 1, buttonTop + DefaultFrame::ButtonSize(style));
    g.grown.clRect = SkinRect(b, b + caption, w - b, h - b);
    g.maskRect = QRect(QPoint(0, 0), form);
    return g;
}

QMargins FrameGeometry::Borders() const
{
    const QRect& c = grown.clRect;
    return QMargins(c.x(), c.y(), form.width() - RightOf(c), form.height() - BottomOf(c));
}
