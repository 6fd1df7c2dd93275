#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "edit".
class TbsDataSkinEditControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect activeskinrect;
    int disabledfontcolor{};
    int activefontcolor{};
    QRect buttonrect;
    QRect activebuttonrect;
    QRect downbuttonrect;
    QRect unenabledbuttonrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
