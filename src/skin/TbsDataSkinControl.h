#pragma once

#include "skin/TbsDataSkinEntry.h"

// Base of every control kind of [SKINCONTROLS].
class TbsDataSkinControl : public TbsDataSkinEntry {
public:
    using TbsDataSkinEntry::TbsDataSkinEntry;

    int pictureindex{};
    int maskpictureindex{};
    QRect skinrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
