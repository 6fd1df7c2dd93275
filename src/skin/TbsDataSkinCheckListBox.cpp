#include "skin/TbsDataSkinCheckListBox.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinCheckListBox::KindWord() const
{
    return QStringLiteral("checklistbox");
}

void TbsDataSkinCheckListBox::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinListBox::VisitKeys(v);
    v.Rect("itemcheckrect", itemcheckrect);
    v.Rect("checkimagerect", checkimagerect);
    v.Rect("uncheckimagerect", uncheckimagerect);
}
