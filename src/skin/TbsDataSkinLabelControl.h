#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "label".
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;


protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
