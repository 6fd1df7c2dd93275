#include "skin/TbsDataSkinSpinEditControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinSpinEditControl::KindWord() const
{
    return QStringLiteral("spinedit");
}

void TbsDataSkinSpinEditControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("activeskinrect", activeskinrect);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Integer("disabledfontcolor", disabledfontcolor, 0);
    v.ArrowButtonRects(upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect, downdownbuttonrect);
}
