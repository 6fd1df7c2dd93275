#pragma once

#include "skin/TbsDataSkinMainMenuItem.h"

// Menu bar items; read exactly like main menu items.
class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;

    QString KindWord() const override;
};
