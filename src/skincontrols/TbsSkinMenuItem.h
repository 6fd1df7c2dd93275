#pragma once

#include "framework/TMenuItem.h"
#include "skinui/MenuPainting.h"

#include <QPointer>

class QPainter;

// One item of an open popup level: the menu item it shows and its state there. The level
// places it (MenuGeometry) and paints it through the menu painters.
class TbsSkinMenuItem {
public:
    explicit TbsSkinMenuItem(TMenuItem* item);

    // nullptr once the menu item has been deleted while its level is open.
    TMenuItem* MenuItem() const { return item_.data(); }

    bool IsSeparator() const;
    bool Enabled() const;
    bool HasSubMenu() const;
    // What the keyboard may select and a click may choose: an enabled item that is no separator.
    bool Selectable() const { return Enabled() && !IsSeparator(); }

    bool Selected() const { return selected_; }
    void SetSelected(bool selected) { selected_ = selected; }
    bool SubMenuOpen() const { return subMenuOpen_; }
    bool OpenedByKeyboard() const { return openedByKeyboard_; }
    // Marks the item as showing its sub-menu (opened by the keyboard or not), or no longer.
    void SetSubMenuOpen(bool open, bool byKeyboard = false);

    MenuItemStates State() const;
    MenuItemFace Face() const;
    void Paint(QPainter& painter, const QRect& rect, const MenuSkin& skin) const;

private:
    QPointer<TMenuItem> item_;
    bool selected_ = false;
    bool subMenuOpen_ = false;
    bool openedByKeyboard_ = false;
};
