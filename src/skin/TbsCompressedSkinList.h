#pragma once

#include "skin/TbsSkinListItems.h"

#include <QObject>

// A component holding several skin packages; a store picks one by its SkinIndex.
class TbsCompressedSkinList : public QObject {
    Q_OBJECT

public:
    explicit TbsCompressedSkinList(QObject* parent = nullptr);

    TbsSkinListItems& Skins() { return skins_; }
    const TbsSkinListItems& Skins() const { return skins_; }
    // Assigning a collection copies its items.
    void SetSkins(const TbsSkinListItems& skins) { skins_.Assign(skins); }

private:
    TbsSkinListItems skins_;
};
