#include "skin/TbsDataSkinRichEdit.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinRichEdit::KindWord() const
{
    return QStringLiteral("richedit");
}

void TbsDataSkinRichEdit::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.FontGroup(fontname, fontheight, fontstyle, fontcolor);
    v.Integer("bgcolor", bgcolor, 0);
}
