#pragma once

#include "skin/TbsDataSkinEntry.h"
#include "skin/TbsSkinFontFields.h"

// The [HINTWINDOW] record: the frame and font of skinned hint windows.
class TbsDataSkinHintWindow : public TbsDataSkinEntry, public TbsSkinFontFields {
public:
    TbsDataSkinHintWindow();

    int windowpictureindex{};
    int maskpictureindex{};
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect clientrect;
    bool leftstretch{};
    bool rightstretch{};
    bool topstretch{};
    bool bottomstretch{};
    bool stretcheffect{};
    TbsStretchType stretchtype{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
