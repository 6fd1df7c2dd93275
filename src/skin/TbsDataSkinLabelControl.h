#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "label".
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QString fontname;
    int fontheight = 0;
    TbsFontStyles fontstyle{};
    int fontcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
