#include "skin/TbsDataSkinMemoControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinMemoControl::KindWord() const
{
    return QStringLiteral("memo");
}

void TbsDataSkinMemoControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinEditControl::VisitKeys(v);
    v.Integer("bgcolor", bgcolor, 0);
    v.Integer("activebgcolor", activebgcolor, 0);
}
