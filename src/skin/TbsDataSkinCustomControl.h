#pragma once

#include "skin/TbsDataSkinControl.h"

// Control kinds with corner points, a client rectangle and stretch settings.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect clientrect;
    bool leftstretch{};
    bool topstretch{};
    bool rightstretch{};
    bool bottomstretch{};
    bool stretcheffect{};
    TbsStretchType stretchtype{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
