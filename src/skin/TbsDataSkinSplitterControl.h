#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "splitter".
class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QRect gripperrect;
    bool grippertransparent{};
    int grippertransparentcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
