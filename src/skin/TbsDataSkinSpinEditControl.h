#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "spinedit".
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect activeskinrect;
    int activefontcolor{};
    int disabledfontcolor{};
    QRect upbuttonrect;
    QRect activeupbuttonrect;
    QRect downupbuttonrect;
    QRect downbuttonrect;
    QRect activedownbuttonrect;
    QRect downdownbuttonrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
