#include "skin/TbsDataSkinButton.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinButton::KindWord() const
{
    return QStringLiteral("button");
}

void TbsDataSkinButton::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinObject::VisitKeys(v);
    v.Rect("downrect", downrect);
    v.Rect("disableskinrsect", disableskinrsect);
}
