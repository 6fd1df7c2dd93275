#pragma once

#include "skin/TbsDataSkinObject.h"
#include "skin/TbsSkinFontFields.h"

// Popup menu items; empty active check, radio and arrow rectangles take the plain ones.
class TbsDataSkinMenuItem : public TbsDataSkinObject, public TbsSkinFontFields {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;

    int itemleftoffset{};
    int itemrightoffset{};
    QRect dividerrect;
    int dividerleftoffset{};
    int dividerrightoffset{};
    QRect textrect;
    QRect imagerect;
    int activefontcolor{};
    int unenabledfontcolor{};
    bool stretcheffect{};
    bool inactivestretcheffect{};
    bool dividerstretcheffect{};
    QRect animateskinrect;
    int framecount{};
    int animateinterval{};
    bool inactiveanimation{};
    bool useimagecolor{};
    int imagecolor{};
    int activeimagecolor{};
    bool inactivetransparent{};
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
