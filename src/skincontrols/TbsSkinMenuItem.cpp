#include "skincontrols/TbsSkinMenuItem.h"

#include "framework/TMenuItem.h"

TbsSkinMenuItem::TbsSkinMenuItem(TMenuItem* item)
    : item_(item)
{
}

bool TbsSkinMenuItem::IsSeparator() const
{
    return item_ && item_->IsLine();
}

bool TbsSkinMenuItem::Enabled() const
{
    return item_ && item_->Enabled();
}

bool TbsSkinMenuItem::HasSubMenu() const
{
    return item_ && item_->HasVisibleItems();
}

void TbsSkinMenuItem::SetSubMenuOpen(bool open, bool byKeyboard)
{
    subMenuOpen_ = open;
    openedByKeyboard_ = open && byKeyboard;
}

MenuItemStates TbsSkinMenuItem::State() const
{
    MenuItemStates state;
    state.setFlag(MenuItemState::Selected, selected_ || subMenuOpen_);
    state.setFlag(MenuItemState::Disabled, !Enabled());
    state.setFlag(MenuItemState::HasSubMenu, HasSubMenu());
    state.setFlag(MenuItemState::Checked, item_ && item_->Checked());
    state.setFlag(MenuItemState::RadioItem, item_ && item_->RadioItem());
    return state;
}

MenuItemFace TbsSkinMenuItem::Face() const
{
    if (!item_)
        return {};
    return {item_->Caption(), item_->ShortCutText(), item_->Bitmap(), item_->objectName()};
}

void TbsSkinMenuItem::Paint(QPainter& painter, const QRect& rect, const MenuSkin& skin) const
{
    PaintMenuItem(painter, rect, Face(), State(), skin);
}
