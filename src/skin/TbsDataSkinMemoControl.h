#pragma once

#include "skin/TbsDataSkinEditControl.h"

// Skin objects of kind "memo".
class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;

    QString KindWord() const override;

    int bgcolor{};
    int activebgcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
