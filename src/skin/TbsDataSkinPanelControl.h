#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "panel".
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    int bgpictureindex{};
    QRect captionrect;
    TbsSkinAlignment alignment{};
    QRect checkimagerect;
    QRect uncheckimagerect;
    QRect markframerect;
    QRect framerect;
    QRect frametextrect;
    int frameleftoffset{};
    int framerightoffset{};
    QRect gripperrect;
    bool grippertransparent{};
    int grippertransparentcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
