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
    int thumboffset1 = 0;
    int thumboffset2 = 0;
    bool thumbtransparent = false;
    int thumbtransparentcolor = 0;
    bool thumbstretcheffect = false;
    int thumbminsize = 0;
    int thumbminpagesize = 0;
    QRect glyphrect;
    QRect activeglyphrect;
    QRect downglyphrect;
    bool glyphtransparent = false;
    int glyphtransparentcolor = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
