#pragma once

#include "skinframe/TbsActiveSkinObject.h"
#include "skinframe/TbsSkinFrameTypes.h"

#include <memory>
#include <vector>

class TbsFrameObjectHost;
class TbsSkinData;

using FrameObjectList = std::vector<std::unique_ptr<TbsActiveSkinObject>>;

// One frame object per form-frame skin object of the store, in the store's order; the menu
// kinds (menu items, main-menu-bar items and buttons) are left to the menus.
FrameObjectList CreateFrameObjects(TbsFrameObjectHost& host, const TbsSkinData& store);

// The default frame's caption buttons for the border icons: close, and maximize, minimize,
// roll-up, minimize to tray and system menu where the form has their icons.
FrameObjectList CreateDefaultButtons(TbsFrameObjectHost& host, TbsBorderIcons icons, TFormBorderStyle style);
