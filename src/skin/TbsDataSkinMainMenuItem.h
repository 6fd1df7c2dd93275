#pragma once

#include "skin/TbsDataSkinObject.h"
#include "skin/TbsSkinFontFields.h"

// 
class TbsDataSkinMainMenuItem : public TbsDataSkinObject, public TbsSkinFontFields {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int itemleftoffset = 0;
    int itemrightoffset = 0;
    QRect downrect;
    QRect textrect;
    int activefontcolor = 0;
    int downfontcolor = 0;
    int unenabledfontcolor = 0;
    bool stretcheffect = false;
    QRect animateskinrect;
    int framecount = 0;
    int animateinterval = 0;
    bool inactiveanimation = false;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
