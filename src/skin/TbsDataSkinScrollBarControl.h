#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "scrollbar".
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect trackarea;
    QRect upbuttonrect;
    QRect activeupbuttonrect;
    QRect downupbuttonrect;
    QRect downbuttonrect;
    QRect activedownbuttonrect;
    QRect downdownbuttonrect;
    QRect thumbrect;
    QRect activethumbrect;
    QRect downthumbrect;
    int thumboffset1{};
    int thumboffset2{};
    bool thumbtransparent{};
    int thumbtransparentcolor{};
    bool thumbstretcheffect{};
    int thumbminsize{};
    int thumbminpagesize{};
    QRect glyphrect;
    QRect activeglyphrect;
    QRect downglyphrect;
    bool glyphtransparent{};
    int glyphtransparentcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
