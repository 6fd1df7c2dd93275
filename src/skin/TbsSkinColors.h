#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [SKINCOLORS] record: eight colours whose defaults are system colours (0xFF0000nn).
// All eight are 0 at creation; clearing a store gives them their defaults.
class TbsSkinColors : public TbsDataSkinEntry {
public:
    TbsSkinColors();

    int cbtnface{};
    int cbtntext{};
    int cwindow{};
    int cwindowtext{};
    int chighlight{};
    int chighlighttext{};
    int cbtnhighlight{};
    int cbtnshadow{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
