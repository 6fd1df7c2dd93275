#pragma once

#include "skin/TbsDataSkinControl.h"

// Skin objects of kind "slider".
class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    int bgcolor = 0;
    QRect hrulerrect;
    QRect hthumbrect;
    QRect vrulerrect;
    QRect vthumbrect;
    int edgesize = 0;
    int pointscolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
