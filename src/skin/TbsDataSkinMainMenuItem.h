#pragma once

#include "skin/TbsDataSkinObject.h"

// 
class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int itemleftoffset = 0;
    int itemrightoffset = 0;
    QRect downrect;
    QRect textrect;
    QString fontname;
    int fontheight = 0;
    TbsFontStyles fontstyle{};
    int fontcolor = 0;
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
