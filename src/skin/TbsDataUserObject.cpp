#include "skin/TbsDataUserObject.h"

#include "skin/SkinDescription.h"
#include "skin/SkinKeyReader.h"

QString TbsDataUserObject::KindWord() const
{
    return QStringLiteral("userobject");
}

void TbsDataUserObject::ResetToDefaults()
{
    const SkinDescription empty;
    SkinKeyReader nothing(empty, ObjectName);
    TbsDataSkinObject::VisitKeys(nothing);
    TbsDataSkinObject::ResetToDefaults();
}

void TbsDataUserObject::VisitKeys(SkinKeyVisitor& v)
{
    v.Rect("skinrect", skinrect);
}
