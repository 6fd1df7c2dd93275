#include "skin/TbsDataSkinCustomControl.h"

#include "skin/SkinKeyVisitor.h"

void TbsDataSkinCustomControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.CornerPoints(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    v.Rect("clientrect", clientrect);
    v.Boolean("leftstretch", leftstretch);
    v.Boolean("topstretch", topstretch);
    v.Boolean("rightstretch", rightstretch);
    v.Boolean("bottomstretch", bottomstretch);
    v.Boolean("stretcheffect", stretcheffect);
    v.StretchType("stretchtype", stretchtype);
}
