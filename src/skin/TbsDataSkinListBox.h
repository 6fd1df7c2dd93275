#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "listbox".
class TbsDataSkinListBox : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect itemrect;
    QRect activeitemrect;
    QRect focusitemrect;
    int itemleftoffset = 0;
    int itemrightoffset = 0;
    QRect itemtextrect;
    int activefontcolor = 0;
    int focusfontcolor = 0;
    QRect captionrect;
    QString captionfontname;
    int captionfontheight = 0;
    TbsFontStyles captionfontstyle{};
    int captionfontcolor = 0;
    QRect upbuttonrect;
    QRect activeupbuttonrect;
    QRect downupbuttonrect;
    QRect downbuttonrect;
    QRect activedownbuttonrect;
    QRect downdownbuttonrect;
    QRect checkbuttonrect;
    QRect activecheckbuttonrect;
    QRect downcheckbuttonrect;
    QString vscrollbarname;
    QString hscrollbarname;
    QString bothhscrollbarname;
    bool showfocus = false;
    QRect disabledbuttonsrect;
    QRect buttonsarea;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
