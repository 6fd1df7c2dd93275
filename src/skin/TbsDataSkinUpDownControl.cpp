#include "skin/TbsDataSkinUpDownControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinUpDownControl::KindWord() const
{
    return QStringLiteral("updown");
}

void TbsDataSkinUpDownControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.ArrowButtonRects(upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect, downdownbuttonrect);
}

void TbsDataSkinUpDownControl::AfterRead()
{
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = QPoint();
    clientrect = QRect();
}
