#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Up-down arrows; they ignore the corner and client geometry of their parent kind.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect upbuttonrect;
    QRect activeupbuttonrect;
    QRect downupbuttonrect;
    QRect downbuttonrect;
    QRect activedownbuttonrect;
    QRect downdownbuttonrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    void AfterRead() override;
};
