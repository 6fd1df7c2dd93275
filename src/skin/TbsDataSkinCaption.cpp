#include "skin/TbsDataSkinCaption.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinCaption::KindWord() const
{
    return QStringLiteral("caption");
}

void TbsDataSkinCaption::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinObject::VisitKeys(v);
    v.Rect("textrect", textrect);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Alignment("alignment", alignment);
    v.Boolean("light", light);
    v.Integer("lightcolor", lightcolor, 0);
    v.Integer("activelightcolor", activelightcolor, 0);
    v.Boolean("shadow", shadow);
    v.Integer("shadowcolor", shadowcolor, 0);
    v.Integer("activeshadowcolor", activeshadowcolor, 0);
    v.Rect("framerect", framerect);
    v.Rect("activeframerect", activeframerect);
    v.Rect("frametextrect", frametextrect);
    v.Integer("frameleftoffset", frameleftoffset, 0);
    v.Integer("framerightoffset", framerightoffset, 0);
    v.Boolean("stretcheffect", stretcheffect);
    v.Rect("animateskinrect", animateskinrect);
    v.Integer("framecount", framecount, 0);
    v.Integer("animateinterval", animateinterval, 25);
    v.Boolean("inactiveanimation", inactiveanimation);
    v.Boolean("fullframe", fullframe);
    v.Boolean("vistagloweffect", vistagloweffect);
    v.Boolean("vistaglowinactiveeffect", vistaglowinactiveeffect);
    v.Boolean("gloweffect", gloweffect);
    v.Boolean("glowinactiveeffect", glowinactiveeffect);
    v.Integer("glowsize", glowsize, 3);
    v.Integer("glowcolor", glowcolor, 0);
    v.Integer("glowactivecolor", glowactivecolor, 0);
    v.Integer("glowoffset", glowoffset, 0);
    v.Boolean("reflectioneffect", reflectioneffect);
    v.Integer("reflactioncolor", reflactioncolor, 0);
    v.Integer("reflactionactivecolor", reflactionactivecolor, 0);
    v.Integer("reflectionoffset", reflectionoffset, 0);
}
