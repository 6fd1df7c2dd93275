#pragma once

#include "skin/TbsDataSkinObject.h"

// A bare rectangle of the frame picture; reads only "skinrect".
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
