#pragma once

#include "skin/TbsDataSkinObject.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "caption".
class TbsDataSkinCaption : public TbsDataSkinObject, public TbsSkinFontFields {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;

    QRect textrect;
    int activefontcolor = 0;
    TbsSkinAlignment alignment{};
    bool light = false;
    int lightcolor = 0;
    int activelightcolor = 0;
    bool shadow = false;
    int shadowcolor = 0;
    int activeshadowcolor = 0;
    QRect framerect;
    QRect activeframerect;
    QRect frametextrect;
    int frameleftoffset = 0;
    int framerightoffset = 0;
    bool stretcheffect = false;
    QRect animateskinrect;
    int framecount = 0;
    int animateinterval = 0;
    bool inactiveanimation = false;
    bool fullframe = false;
    bool vistagloweffect = false;
    bool vistaglowinactiveeffect = false;
    bool gloweffect = false;
    bool glowinactiveeffect = false;
    int glowsize = 0;
    int glowcolor = 0;
    int glowactivecolor = 0;
    int glowoffset = 0;
    bool reflectioneffect = false;
    int reflactioncolor = 0;
    int reflactionactivecolor = 0;
    int reflectionoffset = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
