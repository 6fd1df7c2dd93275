#pragma once

#include "skin/TbsDataSkinObject.h"

// Skin objects of kind "button".
class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;

    QRect downrect;
    QRect disableskinrsect;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
