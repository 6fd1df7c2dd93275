#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [FORMINFO] values of a skin: the geometry of the form frame picture and the caption
// layout. Reading applies the two adjustments between and after the keys (see ReadFrom).
class TbsDataSkinFormInfo : public TbsDataSkinEntry {
public:
    TbsDataSkinFormInfo();

    // Reads the keys in their order; hasFrameMask says whether [PICTURES] names a frame mask,
    // which turns on the mask rectangle and hit-test adjustment.
    void ReadFrom(const SkinDescription& description, bool hasFrameMask);
    void ReadFromDescription(const SkinDescription& description) override;

    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect clientrect;
    int bgpictureindex{};
    int mdibgpictureindex{};
    bool leftstretch{};
    bool rightstretch{};
    bool topstretch{};
    bool bottomstretch{};
    bool stretcheffect{};
    TbsStretchType stretchtype{};
    bool mdibgstretcheffect{};
    TbsStretchType mdibgstretchtype{};
    QRect maskrectarea;
    QPoint hittestlefttoppoint;
    QPoint hittestrighttoppoint;
    QPoint hittestleftbottompoint;
    QPoint hittestrightbottompoint;
    QRect buttonsrect;
    QRect captionrect;
    int buttonsoffset{};
    bool buttonsinleft{};
    bool mainmenupopupup{};
    int borderwidth{};
    int formminwidth{};
    bool mditabstransparent{};
    bool mainmenubartransparent{};
    bool autorenderinginactiveimage{};
    TbsInactiveEffect inactiveeffect{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;

private:
    void VisitFrameKeys(SkinKeyVisitor& v);
    void VisitCaptionKeys(SkinKeyVisitor& v);
    void AdjustMaskArea();
    void PullCornersIntoClient();
};
