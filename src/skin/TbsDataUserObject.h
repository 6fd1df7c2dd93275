#pragma once

#include "skin/TbsDataSkinObject.h"

// A bare rectangle of the frame picture; reads only "skinrect".
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;
    // The frame-object fields it does not read keep the defaults of the frame objects' keys.
    void ResetToDefaults() override;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
