#include "skin/TbsDataSkinMainMenuItem.h"

#include "skin/SkinKeyVisitor.h"

void TbsDataSkinMainMenuItem::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinObject::VisitKeys(v);
    v.Integer("itemleftoffset", itemleftoffset, 0);
    v.Integer("itemrightoffset", itemrightoffset, 0);
    v.Rect("downrect", downrect);
    v.Rect("textrect", textrect);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Integer("downfontcolor", downfontcolor, 0);
    v.Integer("unenabledfontColor", unenabledfontcolor, 0);
    v.Boolean("stretcheffect", stretcheffect);
    v.Rect("animateskinrect", animateskinrect);
    v.Integer("framecount", framecount, 0);
    v.Integer("animateinterval", animateinterval, 25);
    v.Boolean("inactiveanimation", inactiveanimation);
}
