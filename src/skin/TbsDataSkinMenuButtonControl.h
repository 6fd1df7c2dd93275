#pragma once

#include "skin/TbsDataSkinButtonControl.h"

// Skin objects of kind "menubutton".
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;

    QString KindWord() const override;

    QRect trackbuttonrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
