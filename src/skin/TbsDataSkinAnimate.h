#pragma once

#include "skin/TbsDataSkinObject.h"

// Animated caption parts; never morph.
class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    QString KindWord() const override;

    int countframes{};
    bool cycle{};
    bool buttonstyle{};
    int timerinterval{};
    TbsSkinCommand command{};
    QRect downskinrect;
    QRect restorerect;
    QRect restoreactiverect;
    QRect restoredownrect;
    QRect restoreinactiverect;
    QString restorehint;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    void AfterRead() override;
};
