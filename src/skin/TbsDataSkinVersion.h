#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [VERSION] texts: who made the skin. Informational only.
class TbsDataSkinVersion : public TbsDataSkinEntry {
public:
    TbsDataSkinVersion();

    QString skinname;
    QString skinauthor;
    QString authoremail;
    QString authorurl;
    QString skincomments;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
