#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "panel".
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    int bgpictureindex = -1;
    QRect captionrect;
    TbsSkinAlignment alignment{};
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
