#include "skin/TbsDataSkinControlBar.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinControlBar::KindWord() const
{
    return QStringLiteral("controlbar");
}

void TbsDataSkinControlBar::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("itemrect", itemrect);
    v.Integer("bgpictureindex", bgpictureindex, -1);
    v.Rect("hgriprect", hgriprect);
    v.Rect("vgriprect", vgriprect);
    v.Integer("gripoffset1", gripoffset1, 0);
    v.Integer("gripoffset2", gripoffset2, 0);
    v.Boolean("itemstretcheffect", itemstretcheffect);
    v.Integer("itemoffset1", itemoffset1, 3);
    v.Integer("itemoffset2", itemoffset2, 3);
    v.Boolean("itemtransparent", itemtransparent);
    v.Integer("itemtransparentcolor", itemtransparentcolor, 0);
    v.Boolean("griptransparent", griptransparent);
    v.Integer("griptransparentcolor", griptransparentcolor, 0);
}
