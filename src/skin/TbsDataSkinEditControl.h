#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "edit".
class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect activeskinrect;
    QString fontname;
    int fontheight = 0;
    TbsFontStyles fontstyle{};
    int fontcolor = 0;
    int disabledfontcolor = 0;
    int activefontcolor = 0;
    QRect buttonrect;
    QRect activebuttonrect;
    QRect downbuttonrect;
    QRect unenabledbuttonrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
