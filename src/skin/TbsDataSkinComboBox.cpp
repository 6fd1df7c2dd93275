#include "skin/TbsDataSkinComboBox.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinComboBox::KindWord() const
{
    return QStringLiteral("combobox");
}

void TbsDataSkinComboBox::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("activeskinrect", activeskinrect);
    v.Rect("itemrect", itemrect);
    v.Rect("activeitemrect", activeitemrect);
    v.Rect("focusitemrect", focusitemrect);
    v.Integer("itemleftoffset", itemleftoffset, 0);
    v.Integer("itemrightoffset", itemrightoffset, 0);
    v.Rect("itemtextrect", itemtextrect);
    v.FontGroup(*this);
    v.Integer("focusfontcolor", focusfontcolor, 0);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Text("listboxname", listboxname, QString());
    v.Rect("buttonrect", buttonrect);
    v.Rect("activebuttonrect", activebuttonrect);
    v.Rect("downbuttonrect", downbuttonrect);
    v.Rect("unenabledbuttonrect", unenabledbuttonrect);
    v.Boolean("itemstretcheffect", itemstretcheffect);
    v.Boolean("focusitemstretcheffect", focusitemstretcheffect);
    v.Boolean("showfocus", showfocus);
}
