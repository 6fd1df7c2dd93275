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
    int beginoffset{};
    int endoffset{};
    bool vertical{};
    bool progresstransparent{};
    int progresstransparentcolor{};
    bool progressstretch{};
    QRect animationskinrect;
    int animationcountframes{};
    int animationtimerinterval{};
    QRect progressanimationskinrect;
    int progressanimationcountframes{};
    int progressanimationtimerinterval{};
    int animationbeginoffset{};
    int animationendoffset{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
