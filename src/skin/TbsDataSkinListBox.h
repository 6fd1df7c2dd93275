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
    int itemleftoffset{};
    int itemrightoffset{};
    QRect itemtextrect;
    int activefontcolor{};
    int focusfontcolor{};
    QRect captionrect;
    QString captionfontname;
    int captionfontheight{};
    TbsFontStyles captionfontstyle{};
    int captionfontcolor{};
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
    bool showfocus{};
    QRect disabledbuttonsrect;
    QRect buttonsarea;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
