#include "skin/TbsDataSkinSplitterControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinSplitterControl::KindWord() const
{
    return QStringLiteral("splitter");
}

void TbsDataSkinSplitterControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("gripperrect", gripperrect);
    v.Boolean("grippertransparent", grippertransparent);
    v.Integer("grippertransparentcolor", grippertransparentcolor, 0);
}
