#include "skin/TbsDataSkinUpDownControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinUpDownControl::KindWord() const
{
    return QStringLiteral("updown");
}

void TbsDataSkinUpDownControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("upbuttonrect", upbuttonrect);
    v.Rect("activeupbuttonrect", activeupbuttonrect);
    v.Rect("downupbuttonrect", downupbuttonrect);
    v.Rect("downbuttonrect", downbuttonrect);
    v.Rect("activedownbuttonrect", activedownbuttonrect);
    v.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TbsDataSkinUpDownControl::AfterRead()
{
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = QPoint();
    clientrect = QRect();
}
