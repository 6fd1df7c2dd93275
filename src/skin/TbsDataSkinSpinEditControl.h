#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "spinedit".
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect activeskinrect;
    QString fontname;
    int fontheight = 0;
    TbsFontStyles fontstyle{};
    int fontcolor = 0;
    int activefontcolor = 0;
    int disabledfontcolor = 0;
    QRect upbuttonrect;
    QRect activeupbuttonrect;
    QRect downupbuttonrect;
    QRect downbuttonrect;
    QRect activedownbuttonrect;
    QRect downdownbuttonrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
