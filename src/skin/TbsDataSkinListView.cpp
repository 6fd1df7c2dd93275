#include "skin/TbsDataSkinListView.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinListView::KindWord() const
{
    return QStringLiteral("listview");
}

void TbsDataSkinListView::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.FontGroup(*this);
    v.Integer("bgcolor", bgcolor, 0);
}
