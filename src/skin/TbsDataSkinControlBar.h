#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "controlbar".
class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect itemrect;
    int bgpictureindex = -1;
    QRect hgriprect;
    QRect vgriprect;
    int gripoffset1 = 0;
    int gripoffset2 = 0;
    bool itemstretcheffect = false;
    int itemoffset1 = 0;
    int itemoffset2 = 0;
    bool itemtransparent = false;
    int itemtransparentcolor = 0;
    bool griptransparent = false;
    int griptransparentcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
