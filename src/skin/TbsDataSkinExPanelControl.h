#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "expanel".
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect rollhskinrect;
    QRect rollvskinrect;
    int rollleftoffset = 0;
    int rollrightoffset = 0;
    int rolltopoffset = 0;
    int rollbottomoffset = 0;
    QRect rollvcaptionrect;
    QRect rollhcaptionrect;
    QRect closebuttonrect;
    QRect closebuttonactiverect;
    QRect closebuttondownrect;
    QRect hrollbuttonrect;
    QRect hrollbuttonactiverect;
    QRect hrollbuttondownrect;
    QRect hrestorebuttonrect;
    QRect hrestorebuttonactiverect;
    QRect hrestorebuttondownrect;
    QRect vrollbuttonrect;
    QRect vrollbuttonactiverect;
    QRect vrollbuttondownrect;
    QRect vrestorebuttonrect;
    QRect vrestorebuttonactiverect;
    QRect vrestorebuttondownrect;
    QRect captionrect;
    bool buttonstransparent = false;
    int buttonstransparentcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
