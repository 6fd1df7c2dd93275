#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "scrollbox".
class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    int bgpictureindex{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
