#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "gauge".
class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect progressarea;
    QRect progressrect;
    int beginoffset = 0;
    int endoffset = 0;
    bool vertical = false;
    bool progresstransparent = false;
    int progresstransparentcolor = 0;
    bool progressstretch = false;
    QRect animationskinrect;
    int animationcountframes = 0;
    int animationtimerinterval = 0;
    QRect progressanimationskinrect;
    int progressanimationcountframes = 0;
    int progressanimationtimerinterval = 0;
    int animationbeginoffset = 0;
    int animationendoffset = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
