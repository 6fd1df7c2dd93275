#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "button".
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    int activefontcolor{};
    int downfontcolor{};
    int disabledfontcolor{};
    QRect activeskinrect;
    QRect downskinrect;
    QRect focusedskinrect;
    QRect disabledskinrect;
    bool morphing{};
    TbsMorphKind morphkind{};
    QRect animateskinrect;
    int framecount{};
    int animateinterval{};
    bool showfocus{};
    QRect menumarkerflatrect;
    QRect menumarkerrect;
    QRect menumarkeractiverect;
    QRect menumarkerdownrect;
    int menumarkertransparentcolor{};
    int glowlayerpictureindex{};
    int glowlayermaskpictureindex{};
    int glowlayeroffsetleft{};
    int glowlayeroffsettop{};
    int glowlayeroffsetright{};
    int glowlayeroffsetbottom{};
    int glowlayershowoffsetx{};
    int glowlayershowoffsety{};
    int glowlayeralphablendvalue{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
