#pragma once

#include "skin/TbsDataSkinListBox.h"

// Skin objects of kind "checklistbox".
class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;

    QString KindWord() const override;

    QRect itemcheckrect;
    QRect checkimagerect;
    QRect uncheckimagerect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
