#pragma once

#include "skinframe/TbsActiveSkinObject.h"
#include "skinframe/TbsSkinFrameTypes.h"

class TbsSkinData;

#include <functional>

// One frame object per form-frame skin object of the store, in the store's order, with its
// pictures copied from the store's picture list; the menu kinds (menu items, main-menu-bar
// items and buttons) are left to the menus.
FrameObjectList CreateFrameObjects(const TbsSkinData& store);

// The default frame's caption buttons for the border icons: close, and maximize, minimize,
// roll-up, minimize to tray and system menu where the form has their icons.
FrameObjectList CreateDefaultButtons(TbsBorderIcons icons, TFormBorderStyle style);

// What the form offers of the caption buttons.
struct FrameButtonOffer {
    TbsBorderIcons icons;
    bool disableSystemMenu = false;
    bool hideCaptionButtons = false;

    // Whether a caption button with the command is offered: close always.
    bool Offers(TbsSkinCommand command) const;
};

// Decides which caption buttons and animated parts are active and visible: with
// hideCaptionButtons none is active; otherwise those the form offers, and custom objects
// (command 4) as activateCustom says. An inactive button of a picture of its own is hidden, one
// drawn in the frame picture stays in sight. The hook may rebuild the list: each object is
// looked up again by its index and name after it, and the walk ends where they no longer match.
void OfferFrameButtons(FrameObjectList& objects, const FrameButtonOffer& offer,
                       const std::function<void(const QString& ObjectName, bool& Active)>& activateCustom);

// The caption buttons' hints (and restore hints) from the store's resource strings, or the
// built-in texts without a store.
void SetFrameButtonHints(FrameObjectList& objects, const TbsSkinData* store);
