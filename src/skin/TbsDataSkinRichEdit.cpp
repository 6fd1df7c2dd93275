#include "skin/TbsDataSkinRichEdit.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinRichEdit::KindWord() const
{
    return QStringLiteral("richedit");
}

void TbsDataSkinRichEdit::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.FontGroup(*this);
    v.Integer("bgcolor", bgcolor, 0);
}
