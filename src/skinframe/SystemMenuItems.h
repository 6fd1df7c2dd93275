#pragma once

#include "skinframe/TbsSkinFrameTypes.h"

#include <QKeySequence>
#include <QList>
#include <QString>

class TbsSkinData;

// What an item of the built system menu does.
enum class SystemMenuCommand { Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close, Separator };

struct SystemMenuItem {
    SystemMenuCommand command;
    QString name;      // "BSF_MINITEM", ..., "-" for the separator
    QString caption;   // with its "&" accelerator
    QKeySequence shortcut;  // Alt+F4 on the close item
};

// The window state the menu is built for.
struct SystemMenuState {
    TbsFrameWindowState windowState = TbsFrameWindowState::Normal;
    bool rolledUp = false;
    TbsBorderIcons icons;
};

// The system menu for that state: minimize, maximize, restore, roll up and minimize to tray
// where the state and the border icons allow them, a separator after any of them, and close.
// Captions come from store's resource strings (the built-in ones without a store).
QList<SystemMenuItem> BuildSystemMenuItems(const SystemMenuState& state, const TbsSkinData* store);
