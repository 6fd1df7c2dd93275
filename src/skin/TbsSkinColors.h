#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [SKINCOLORS] record: eight colours whose defaults are system colours (0xFF0000nn).
// All eight are 0 until the first clearing or load of a store.
class TbsSkinColors : public TbsDataSkinEntry {
public:
    TbsSkinColors();

    // Every colour back to its system-colour default.
    void Reset();

    int cbtnface = 0;
    int cbtntext = 0;
    int cwindow = 0;
    int cwindowtext = 0;
    int chighlight = 0;
    int chighlighttext = 0;
    int cbtnhighlight = 0;
    int cbtnshadow = 0;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
