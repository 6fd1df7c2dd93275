#pragma once

#include "skin/TbsDataSkinEntry.h"

// Base of the form-frame and menu kinds of [SKINOBJECTS].
class TbsDataSkinObject : public TbsDataSkinEntry {
public:
    using TbsDataSkinEntry::TbsDataSkinEntry;

    QString hint;
    int activepictureindex{};
    int activemaskpictureindex{};
    bool skinrectinapicture{};
    QRect skinrect;
    QRect activeskinrect;
    QRect inactiveskinrect;
    bool morphing{};
    TbsMorphKind morphkind{};
    int glowlayerpictureindex{};
    int glowlayermaskpictureindex{};
    int glowlayeroffsetx{};
    int glowlayeroffsety{};
    int glowlayeralphablendvalue{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    // The restore hint of caption buttons: an empty one becomes "Restore" for a maximize or
    // minimize button hinted as such and for a roll-up button.
    static QString RestoreHint(const QString& objectHint, TbsSkinCommand command, const QString& restoreHint);
};
