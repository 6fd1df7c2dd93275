#pragma once

#include "skin/TbsDataSkinObject.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "caption".
class TbsDataSkinCaption : public TbsDataSkinObject, public TbsSkinFontFields {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;

    QRect textrect;
    int activefontcolor{};
    TbsSkinAlignment alignment{};
    bool light{};
    int lightcolor{};
    int activelightcolor{};
    bool shadow{};
    int shadowcolor{};
    int activeshadowcolor{};
    QRect framerect;
    QRect activeframerect;
    QRect frametextrect;
    int frameleftoffset{};
    int framerightoffset{};
    bool stretcheffect{};
    QRect animateskinrect;
    int framecount{};
    int animateinterval{};
    bool inactiveanimation{};
    bool fullframe{};
    bool vistagloweffect{};
    bool vistaglowinactiveeffect{};
    bool gloweffect{};
    bool glowinactiveeffect{};
    int glowsize{};
    int glowcolor{};
    int glowactivecolor{};
    int glowoffset{};
    bool reflectioneffect{};
    int reflactioncolor{};
    int reflactionactivecolor{};
    int reflectionoffset{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
