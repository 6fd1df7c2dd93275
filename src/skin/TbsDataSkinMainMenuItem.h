#pragma once

#include "skin/TbsDataSkinObject.h"
#include "skin/TbsSkinFontFields.h"

// 
class TbsDataSkinMainMenuItem : public TbsDataSkinObject, public TbsSkinFontFields {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int itemleftoffset{};
    int itemrightoffset{};
    QRect downrect;
    QRect textrect;
    int activefontcolor{};
    int downfontcolor{};
    int unenabledfontcolor{};
    bool stretcheffect{};
    QRect animateskinrect;
    int framecount{};
    int animateinterval{};
    bool inactiveanimation{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
