#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "button".
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    int activefontcolor = 0;
    int downfontcolor = 0;
    int disabledfontcolor = 0;
    QRect activeskinrect;
    QRect downskinrect;
    QRect focusedskinrect;
    QRect disabledskinrect;
    bool morphing = false;
    TbsMorphKind morphkind{};
    QRect animateskinrect;
    int framecount = 0;
    int animateinterval = 0;
    bool showfocus = false;
    QRect menumarkerflatrect;
    QRect menumarkerrect;
    QRect menumarkeractiverect;
    QRect menumarkerdownrect;
    int menumarkertransparentcolor = 0;
    int glowlayerpictureindex = -1;
    int glowlayermaskpictureindex = -1;
    int glowlayeroffsetleft = 0;
    int glowlayeroffsettop = 0;
    int glowlayeroffsetright = 0;
    int glowlayeroffsetbottom = 0;
    int glowlayershowoffsetx = 0;
    int glowlayershowoffsety = 0;
    int glowlayeralphablendvalue = 255;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
