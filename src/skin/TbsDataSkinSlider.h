#pragma once

#include "skin/TbsDataSkinControl.h"

// Skin objects of kind "slider".
class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    int bgcolor{};
    QRect hrulerrect;
    QRect hthumbrect;
    QRect vrulerrect;
    QRect vthumbrect;
    int edgesize{};
    int pointscolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
