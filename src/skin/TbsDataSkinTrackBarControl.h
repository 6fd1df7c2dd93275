#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "trackbar".
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect activeskinrect;
    QRect trackarea;
    QRect buttonrect;
    QRect activebuttonrect;
    bool vertical{};
    bool buttontransparent{};
    int buttontransparentcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
