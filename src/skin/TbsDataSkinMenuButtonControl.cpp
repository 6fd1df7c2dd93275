#include "skin/TbsDataSkinMenuButtonControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinMenuButtonControl::KindWord() const
{
    return QStringLiteral("menubutton");
}

void TbsDataSkinMenuButtonControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinButtonControl::VisitKeys(v);
    v.Rect("trackbuttonrect", trackbuttonrect);
}
