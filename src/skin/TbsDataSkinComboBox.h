#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "combobox".
class TbsDataSkinComboBox : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect activeskinrect;
    QRect itemrect;
    QRect activeitemrect;
    QRect focusitemrect;
    int itemleftoffset{};
    int itemrightoffset{};
    QRect itemtextrect;
    int focusfontcolor{};
    int activefontcolor{};
    QString listboxname;
    QRect buttonrect;
    QRect activebuttonrect;
    QRect downbuttonrect;
    QRect unenabledbuttonrect;
    bool itemstretcheffect{};
    bool focusitemstretcheffect{};
    bool showfocus{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
