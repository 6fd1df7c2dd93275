#include "skin/TbsDataSkinPanelControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinPanelControl::KindWord() const
{
    return QStringLiteral("panel");
}

void TbsDataSkinPanelControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Integer("bgpictureindex", bgpictureindex, -1);
    v.Rect("captionrect", captionrect);
    v.Alignment("alignment", alignment);
    v.FontGroup(*this);
    v.Rect("checkimagerect", checkimagerect);
    v.Rect("uncheckimagerect", uncheckimagerect);
    v.Rect("markframerect", markframerect);
    v.Rect("framerect", framerect);
    v.Rect("frametextrect", frametextrect);
    v.Integer("frameleftoffset", frameleftoffset, 0);
    v.Integer("framerightoffset", framerightoffset, 0);
    v.Rect("gripperrect", gripperrect);
    v.Boolean("grippertransparent", grippertransparent);
    v.Integer("grippertransparentcolor", grippertransparentcolor, 0);
}
