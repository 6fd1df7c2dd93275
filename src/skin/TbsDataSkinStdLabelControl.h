#pragma once

#include "skin/TbsDataSkinControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "stdlabel".
class TbsDataSkinStdLabelControl : public TbsDataSkinControl, public TbsSkinFontFields {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    int activefontcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
