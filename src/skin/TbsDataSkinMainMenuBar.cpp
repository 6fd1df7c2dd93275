#include "skin/TbsDataSkinMainMenuBar.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinMainMenuBar::KindWord() const
{
    return QStringLiteral("mainmenubar");
}

void TbsDataSkinMainMenuBar::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.Rect("itemsrect", itemsrect);
    v.Text("menubaritem", menubaritem, QString());
    v.Text("closebutton", closebutton, QString());
    v.Text("minbutton", minbutton, QString());
    v.Text("maxbutton", maxbutton, QString());
    v.Text("sysmenubutton", sysmenubutton, QString());
    v.Integer("trackmarkcolor", trackmarkcolor, 0);
    v.Integer("trackmarkactivecolor", trackmarkactivecolor, 0);
    v.Boolean("stretcheffect", stretcheffect);
    v.Boolean("itemtransparent", itemtransparent);
}
