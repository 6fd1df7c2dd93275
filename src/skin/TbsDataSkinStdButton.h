#pragma once

#include "skin/TbsDataSkinButton.h"

// Caption buttons with a system command and a restore hint.
class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;

    QString KindWord() const override;

    TbsSkinCommand command{};
    QRect restorerect;
    QRect restoreactiverect;
    QRect restoredownrect;
    QRect restoreinactiverect;
    QString restorehint;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    void AfterRead() override;
};
