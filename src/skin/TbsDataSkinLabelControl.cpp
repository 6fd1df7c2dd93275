#include "skin/TbsDataSkinLabelControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinLabelControl::KindWord() const
{
    return QStringLiteral("label");
}

void TbsDataSkinLabelControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.FontGroup(*this);
}
