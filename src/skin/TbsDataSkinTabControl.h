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
    int bgpictureindex{};
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    int tableftoffset{};
    int tabrightoffset{};
    QRect tabsbgrect;
    bool tabstretcheffect{};
    bool leftstretch{};
    bool topstretch{};
    bool rightstretch{};
    bool bottomstretch{};
    bool stretcheffect{};
    TbsStretchType stretchtype{};
    int activefontcolor{};
    int focusfontcolor{};
    int mouseinfontcolor{};
    QString updown;
    bool showfocus{};
    int focusoffsetx{};
    int focusoffsety{};
    QRect closebuttonrect;
    QRect closebuttonactiverect;
    QRect closebuttondownrect;
    bool buttontransparent{};
    int buttontransparentcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
