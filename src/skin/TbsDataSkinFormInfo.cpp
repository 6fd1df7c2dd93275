#include "skin/TbsDataSkinFormInfo.h"

#include "skin/SkinKeyReader.h"

namespace {

bool Unset(const QPoint& p)
{
    return p.x() == 0 || p.y() == 0;
}

int Right(const QRect& r)
{
    return r.x() + r.width();
}

int Bottom(const QRect& r)
{
    return r.y() + r.height();
}

} // namespace

TbsDataSkinFormInfo::TbsDataSkinFormInfo() : TbsDataSkinEntry(QStringLiteral("FORMINFO"))
{
    ResetToDefaults();
}

void TbsDataSkinFormInfo::ReadFromDescription(const SkinDescription& description)
{
    ReadFrom(description, false);
}

void TbsDataSkinFormInfo::ReadFrom(const SkinDescription& description, bool hasFrameMask)
{
    SkinKeyReader reader(description, ObjectName);
    VisitFrameKeys(reader);
    if (hasFrameMask)
        AdjustMaskArea();
    VisitCaptionKeys(reader);
    PullCornersIntoClient();
}

void TbsDataSkinFormInfo::VisitKeys(SkinKeyVisitor& v)
{
    VisitFrameKeys(v);
    VisitCaptionKeys(v);
}

void TbsDataSkinFormInfo::VisitFrameKeys(SkinKeyVisitor& v)
{
    v.CornerPoints(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    v.Rect("clientrect", clientrect);
    v.Integer("bgpictureindex", bgpictureindex, -1);
    v.Integer("mdibgpictureindex", mdibgpictureindex, -1);
    v.Boolean("leftstretch", leftstretch);
    v.Boolean("rightstretch", rightstretch);
    v.Boolean("topstretch", topstretch);
    v.Boolean("bottomstretch", bottomstretch);
    v.Boolean("stretcheffect", stretcheffect);
    v.StretchType("stretchtype", stretchtype);
    v.Boolean("mdibgstretcheffect", mdibgstretcheffect);
    v.StretchType("mdibgstretchtype", mdibgstretchtype);
    v.Rect("maskrectarea", maskrectarea);
    v.Point("hittestlefttoppoint", hittestlefttoppoint);
    v.Point("hittestrighttoppoint", hittestrighttoppoint);
    v.Point("hittestleftbottompoint", hittestleftbottompoint);
    v.Point("hittestrightbottompoint", hittestrightbottompoint);
}

void TbsDataSkinFormInfo::VisitCaptionKeys(SkinKeyVisitor& v)
{
    v.Rect("buttonsrect", buttonsrect);
    v.Rect("captionrect", captionrect);
    v.Integer("buttonsoffset", buttonsoffset, 0);
    v.Boolean("buttonsinleft", buttonsinleft);
    v.Boolean("mainmenupopupup", mainmenupopupup);
    v.Integer("borderwidth", borderwidth, 0);
    v.Integer("formminwidth", formminwidth, 0);
    v.Boolean("mditabstransparent", mditabstransparent);
    v.Boolean("mainmenubartransparent", mainmenubartransparent);
    v.Boolean("autorenderinginactiveimage", autorenderinginactiveimage);
    v.InactiveEffect("inactiveeffect", inactiveeffect);
}

// The masked part of the frame always covers the client area, and unset hit-test corners fall
// back to the drawing corners.
void TbsDataSkinFormInfo::AdjustMaskArea()
{
    if (maskrectarea.isEmpty()) {
        maskrectarea = clientrect;
    } else {
        const int left = qMin(maskrectarea.x(), clientrect.x());
        const int top = qMin(maskrectarea.y(), clientrect.y());
        const int right = qMax(Right(maskrectarea), Right(clientrect));
        const int bottom = qMax(Bottom(maskrectarea), Bottom(clientrect));
        maskrectarea = QRect(left, top, right - left, bottom - top);
    }
    if (Unset(hittestlefttoppoint))
        hittestlefttoppoint = lefttoppoint;
    if (Unset(hittestrighttoppoint))
        hittestrighttoppoint = righttoppoint;
    if (Unset(hittestleftbottompoint))
        hittestleftbottompoint = leftbottompoint;
    if (Unset(hittestrightbottompoint))
        hittestrightbottompoint = rightbottompoint;
}

void TbsDataSkinFormInfo::PullCornersIntoClient()
{
    if (rightbottompoint.x() == lefttoppoint.x() || rightbottompoint.y() == lefttoppoint.y())
        return;
    const int left = clientrect.x();
    const int top = clientrect.y();
    const int right = Right(clientrect);
    const int bottom = Bottom(clientrect);
    lefttoppoint = QPoint(qMax(lefttoppoint.x(), left), qMax(lefttoppoint.y(), top));
    righttoppoint = QPoint(qMin(righttoppoint.x(), right), qMax(righttoppoint.y(), top));
    leftbottompoint = QPoint(qMax(leftbottompoint.x(), left), qMin(leftbottompoint.y(), bottom));
    rightbottompoint = QPoint(qMin(rightbottompoint.x(), right), qMin(rightbottompoint.y(), bottom));
}
