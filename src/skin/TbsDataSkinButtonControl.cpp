#include "skin/TbsDataSkinButtonControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinButtonControl::KindWord() const
{
    return QStringLiteral("button");
}

void TbsDataSkinButtonControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Integer("downfontcolor", downfontcolor, 0);
    v.Integer("disabledfontcolor", disabledfontcolor, 0);
    v.Rect("activeskinrect", activeskinrect);
    v.Rect("downskinrect", downskinrect);
    v.Rect("focusedskinrect", focusedskinrect);
    v.Rect("disabledskinrect", disabledskinrect);
    v.Boolean("morphing", morphing);
    v.MorphKind("morphkind", morphkind);
    v.Rect("animateskinrect", animateskinrect);
    v.Integer("framecount", framecount, 0);
    v.Integer("animateinterval", animateinterval, 25);
    v.Boolean("showfocus", showfocus);
    v.Rect("menumarkerflatrect", menumarkerflatrect);
    v.Rect("menumarkerrect", menumarkerrect);
    v.Rect("menumarkeractiverect", menumarkeractiverect);
    v.Rect("menumarkerdownrect", menumarkerdownrect);
    v.Integer("menumarkertransparentcolor", menumarkertransparentcolor, 0);
    v.Integer("glowlayerpictureindex", glowlayerpictureindex, -1);
    v.Integer("glowlayermaskpictureindex", glowlayermaskpictureindex, -1);
    v.Integer("glowlayeroffsetleft", glowlayeroffsetleft, 0);
    v.Integer("glowlayeroffsettop", glowlayeroffsettop, 0);
    v.Integer("glowlayeroffsetright", glowlayeroffsetright, 0);
    v.Integer("glowlayeroffsetbottom", glowlayeroffsetbottom, 0);
    v.Integer("glowlayershowoffsetx", glowlayershowoffsetx, 0);
    v.Integer("glowlayershowoffsety", glowlayershowoffsety, 0);
    v.Integer("glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}
