#pragma once

#include "skin/TbsDataSkinObject.h"
#include "skin/TbsSkinFontFields.h"

// Popup menu items; empty active check, radio and arrow rectangles take the plain ones.
class TbsDataSkinMenuItem : public TbsDataSkinObject, public TbsSkinFontFields {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;

    int itemleftoffset = 0;
    int itemrightoffset = 0;
    QRect dividerrect;
    int dividerleftoffset = 0;
    int dividerrightoffset = 0;
    QRect textrect;
    QRect imagerect;
    int activefontcolor = 0;
    int unenabledfontcolor = 0;
    bool stretcheffect = false;
    bool inactivestretcheffect = false;
    bool dividerstretcheffect = false;
    QRect animateskinrect;
    int framecount = 0;
    int animateinterval = 0;
    bool inactiveanimation = false;
    bool useimagecolor = false;
    int imagecolor = 0;
    int activeimagecolor = 0;
    bool inactivetransparent = false;
    QRect checkimagerect;
    QRect activecheckimagerect;
    QRect radioimagerect;
    QRect activeradioimagerect;
    QRect arrowimagerect;
    QRect activearrowimagerect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    void AfterRead() override;
};
