#include "skin/TbsDataSkinScrollBoxControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinScrollBoxControl::KindWord() const
{
    return QStringLiteral("scrollbox");
}

void TbsDataSkinScrollBoxControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Integer("bgpictureindex", bgpictureindex, -1);
}
