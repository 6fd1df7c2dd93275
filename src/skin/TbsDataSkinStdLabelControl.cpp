#include "skin/TbsDataSkinStdLabelControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinStdLabelControl::KindWord() const
{
    return QStringLiteral("stdlabel");
}

void TbsDataSkinStdLabelControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0xFF0000);
}
