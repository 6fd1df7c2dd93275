#include "skin/TbsDataSkinTreeView.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinTreeView::KindWord() const
{
    return QStringLiteral("treeview");
}

void TbsDataSkinTreeView::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.FontGroup(*this);
    v.Integer("bgcolor", bgcolor, 0);
}
