#pragma once

#include "skin/TbsDataSkinEntry.h"

// Base of the form-frame and menu kinds of [SKINOBJECTS].
class TbsDataSkinObject : public TbsDataSkinEntry {
public:
    using TbsDataSkinEntry::TbsDataSkinEntry;

    QString hint;
    int activepictureindex = -1;
    int activemaskpictureindex = -1;
    bool skinrectinapicture = false;
    QRect skinrect;
    QRect activeskinrect;
    QRect inactiveskinrect;
    bool morphing = false;
    TbsMorphKind morphkind{};
    int glowlayerpictureindex = -1;
    int glowlayermaskpictureindex = -1;
    int glowlayeroffsetx = 0;
    int glowlayeroffsety = 0;
    int glowlayeralphablendvalue = 255;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    // The restore hint of caption buttons: an empty one becomes "Restore" for a maximize or
    // minimize button hinted as such and for a roll-up button.
    static QString RestoreHint(const QString& objectHint, TbsSkinCommand command, const QString& restoreHint);
};
