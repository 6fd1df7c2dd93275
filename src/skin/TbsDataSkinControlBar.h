#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "controlbar".
class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect itemrect;
    int bgpictureindex{};
    QRect hgriprect;
    QRect vgriprect;
    int gripoffset1{};
    int gripoffset2{};
    bool itemstretcheffect{};
    int itemoffset1{};
    int itemoffset2{};
    bool itemtransparent{};
    int itemtransparentcolor{};
    bool griptransparent{};
    int griptransparentcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
