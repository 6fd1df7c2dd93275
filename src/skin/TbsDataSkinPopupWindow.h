#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [POPUPWINDOW] record: the frame of skinned popup menus.
class TbsDataSkinPopupWindow : public TbsDataSkinEntry {
public:
    TbsDataSkinPopupWindow();

    int windowpictureindex{};
    int maskpictureindex{};
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect itemsrect;
    int scrollmarkercolor{};
    int scrollmarkeractivecolor{};
    bool leftstretch{};
    bool rightstretch{};
    bool topstretch{};
    bool bottomstretch{};
    bool stretcheffect{};
    TbsStretchType stretchtype{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
