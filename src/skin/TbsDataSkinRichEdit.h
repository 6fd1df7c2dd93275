#pragma once

#include "skin/TbsDataSkinControl.h"

// Skin objects of kind "richedit".
class TbsDataSkinRichEdit : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    QString fontname;
    int fontheight = 0;
    TbsFontStyles fontstyle{};
    int fontcolor = 0;
    int bgcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
