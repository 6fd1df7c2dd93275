#pragma once

#include "skin/TbsDataSkinEntry.h"
#include "skin/TbsSkinFontFields.h"

// The [HINTWINDOW] record: the frame and font of skinned hint windows.
class TbsDataSkinHintWindow : public TbsDataSkinEntry, public TbsSkinFontFields {
public:
    TbsDataSkinHintWindow();

    int windowpictureindex = -1;
    int maskpictureindex = -1;
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect clientrect;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TbsStretchType stretchtype{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
