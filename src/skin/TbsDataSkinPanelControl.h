#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "panel".
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    int bgpictureindex = -1;
    QRect captionrect;
    TbsSkinAlignment alignment{};
    QString fontname;
    int fontheight = 0;
    TbsFontStyles fontstyle{};
    int fontcolor = 0;
    QRect checkimagerect;
    QRect uncheckimagerect;
    QRect markframerect;
    QRect framerect;
    QRect frametextrect;
    int frameleftoffset = 0;
    int framerightoffset = 0;
    QRect gripperrect;
    bool grippertransparent = false;
    int grippertransparentcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
