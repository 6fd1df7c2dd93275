#include "skin/TbsDataUserObject.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataUserObject::KindWord() const
{
    return QStringLiteral("userobject");
}

void TbsDataUserObject::VisitKeys(SkinKeyVisitor& v)
{
    v.Rect("skinrect", skinrect);
}
