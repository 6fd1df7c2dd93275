#include "skin/TbsDataSkinBevel.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinBevel::KindWord() const
{
    return QStringLiteral("bevel");
}

void TbsDataSkinBevel::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.Integer("lightcolor", lightcolor, 0);
    v.Integer("darkcolor", darkcolor, 0);
}
