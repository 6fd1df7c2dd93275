#include "skin/TbsDataSkinEditControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinEditControl::KindWord() const
{
    return QStringLiteral("edit");
}

void TbsDataSkinEditControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("activeskinrect", activeskinrect);
    v.FontGroup(*this);
    v.Integer("disabledfontcolor", disabledfontcolor, 0);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Rect("buttonrect", buttonrect);
    v.Rect("activebuttonrect", activebuttonrect);
    v.Rect("downbuttonrect", downbuttonrect);
    v.Rect("unenabledbuttonrect", unenabledbuttonrect);
}
