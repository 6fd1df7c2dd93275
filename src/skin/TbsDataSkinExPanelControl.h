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
    int rollleftoffset{};
    int rollrightoffset{};
    int rolltopoffset{};
    int rollbottomoffset{};
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
    bool buttonstransparent{};
    int buttonstransparentcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
