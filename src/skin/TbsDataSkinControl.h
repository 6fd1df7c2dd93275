#pragma once

#include "skin/TbsDataSkinEntry.h"

// Base of every control kind of [SKINCONTROLS].
class TbsDataSkinControl : public TbsDataSkinEntry {
public:
    using TbsDataSkinEntry::TbsDataSkinEntry;

    int pictureindex = -1;
    int maskpictureindex = -1;
    QRect skinrect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
