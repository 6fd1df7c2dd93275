#pragma once

#include "skin/TbsDataSkinControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "richedit".
class TbsDataSkinRichEdit : public TbsDataSkinControl, public TbsSkinFontFields {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    int bgcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
