#pragma once

#include "skin/TbsDataSkinControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "tab".
class TbsDataSkinTabControl : public TbsDataSkinControl, public TbsSkinFontFields {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    QRect tabrect;
    QRect activetabrect;
    QRect focustabrect;
    QRect mouseintabrect;
    QRect clientrect;
    int bgpictureindex = -1;
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    int tableftoffset = 0;
    int tabrightoffset = 0;
    QRect tabsbgrect;
    bool tabstretcheffect = false;
    bool leftstretch = false;
    bool topstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    TbsStretchType stretchtype{};
    int activefontcolor = 0;
    int focusfontcolor = 0;
    int mouseinfontcolor = 0;
    QString updown;
    bool showfocus = false;
    int focusoffsetx = 0;
    int focusoffsety = 0;
    QRect closebuttonrect;
    QRect closebuttonactiverect;
    QRect closebuttondownrect;
    bool buttontransparent = false;
    int buttontransparentcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
