#pragma once

#include "skin/TbsDataSkinControl.h"

// Skin objects of kind "bevel".
class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    int lightcolor{};
    int darkcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
