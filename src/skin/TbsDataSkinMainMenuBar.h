#pragma once

#include "skin/TbsDataSkinControl.h"

// Skin objects of kind "mainmenubar".
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    QRect itemsrect;
    QString menubaritem;
    QString closebutton;
    QString minbutton;
    QString maxbutton;
    QString sysmenubutton;
    int trackmarkcolor{};
    int trackmarkactivecolor{};
    bool stretcheffect{};
    bool itemtransparent{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
