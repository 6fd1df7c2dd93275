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
    int itemleftoffset = 0;
    int itemrightoffset = 0;
    QRect itemtextrect;
    int focusfontcolor = 0;
    int activefontcolor = 0;
    QString listboxname;
    QRect buttonrect;
    QRect activebuttonrect;
    QRect downbuttonrect;
    QRect unenabledbuttonrect;
    bool itemstretcheffect = false;
    bool focusitemstretcheffect = false;
    bool showfocus = false;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
