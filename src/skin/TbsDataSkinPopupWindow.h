#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [POPUPWINDOW] record: the frame of skinned popup menus.
class TbsDataSkinPopupWindow : public TbsDataSkinEntry {
public:
    TbsDataSkinPopupWindow();

    int windowpictureindex = -1;
    int maskpictureindex = -1;
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect itemsrect;
    int scrollmarkercolor = 0;
    int scrollmarkeractivecolor = 0;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TbsStretchType stretchtype{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
