#include "skin/TbsDataSkinMenuItem.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinMenuItem::KindWord() const
{
    return QStringLiteral("menuitem");
}

void TbsDataSkinMenuItem::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinObject::VisitKeys(v);
    v.Integer("itemleftoffset", itemleftoffset, 0);
    v.Integer("itemrightoffset", itemrightoffset, 0);
    v.Rect("dividerrect", dividerrect);
    v.Integer("dividerleftoffset", dividerleftoffset, 0);
    v.Integer("dividerrightoffset", dividerrightoffset, 0);
    v.Rect("textrect", textrect);
    v.Rect("imagerect", imagerect);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Integer("unenabledfontcolor", unenabledfontcolor, 0);
    v.Boolean("stretcheffect", stretcheffect);
    v.Boolean("inactivestretcheffect", inactivestretcheffect);
    v.Boolean("dividerstretcheffect", dividerstretcheffect);
    v.Rect("animateskinrect", animateskinrect);
    v.Integer("framecount", framecount, 0);
    v.Integer("animateinterval", animateinterval, 25);
    v.Boolean("inactiveanimation", inactiveanimation);
    v.Boolean("useimagecolor", useimagecolor);
    v.Integer("imagecolor", imagecolor, 0);
    v.Integer("activeimagecolor", activeimagecolor, 0);
    v.Boolean("inactivetransparent", inactivetransparent);
    v.Rect("checkimagerect", checkimagerect);
    v.Rect("activecheckimagerect", activecheckimagerect);
    v.Rect("radioimagerect", radioimagerect);
    v.Rect("activeradioimagerect", activeradioimagerect);
    v.Rect("arrowimagerect", arrowimagerect);
    v.Rect("activearrowimagerect", activearrowimagerect);
}

void TbsDataSkinMenuItem::AfterRead()
{
    if (activecheckimagerect.isEmpty())
        activecheckimagerect = checkimagerect;
    if (activeradioimagerect.isEmpty())
        activeradioimagerect = radioimagerect;
    if (activearrowimagerect.isEmpty())
        activearrowimagerect = arrowimagerect;
}
