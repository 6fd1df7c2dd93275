#pragma once

#include "skin/TbsDataSkinControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "listview".
class TbsDataSkinListView : public TbsDataSkinControl, public TbsSkinFontFields {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    int bgcolor{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
