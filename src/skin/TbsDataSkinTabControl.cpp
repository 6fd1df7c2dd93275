#include "skin/TbsDataSkinTabControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinTabControl::KindWord() const
{
    return QStringLiteral("tab");
}

void TbsDataSkinTabControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.Rect("tabrect", tabrect);
    v.Rect("activetabrect", activetabrect);
    v.Rect("focustabrect", focustabrect);
    v.Rect("mouseintabrect", mouseintabrect);
    v.Rect("clientrect", clientrect);
    v.Integer("bgpictureindex", bgpictureindex, -1);
    v.CornerPoints(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    v.Integer("tableftoffset", tableftoffset, 0);
    v.Integer("tabrightoffset", tabrightoffset, 0);
    v.Rect("tabsbgrect", tabsbgrect);
    v.Boolean("tabstretcheffect", tabstretcheffect);
    v.Boolean("leftstretch", leftstretch);
    v.Boolean("topstretch", topstretch);
    v.Boolean("rightstretch", rightstretch);
    v.Boolean("bottomstretch", bottomstretch);
    v.Boolean("stretcheffect", stretcheffect);
    v.StretchType("stretchtype", stretchtype);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Integer("focusfontcolor", focusfontcolor, 0);
    v.Integer("mouseinfontcolor", mouseinfontcolor, 0);
    v.Text("updown", updown, QString());
    v.Boolean("showfocus", showfocus);
    v.Integer("focusoffsetx", focusoffsetx, 0);
    v.Integer("focusoffsety", focusoffsety, 0);
    v.Rect("closebuttonrect", closebuttonrect);
    v.Rect("closebuttonactiverect", closebuttonactiverect);
    v.Rect("closebuttondownrect", closebuttondownrect);
    v.Boolean("buttontransparent", buttontransparent);
    v.Integer("buttontransparentcolor", buttontransparentcolor, 0);
}
