#pragma once

#include "skin/TbsDataSkinStdButton.h"

// Menu bar buttons; read exactly like caption buttons.
class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;

    QString KindWord() const override;
};
