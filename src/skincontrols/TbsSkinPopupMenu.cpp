#include "skincontrols/TbsSkinPopupMenu.h"

#include "framework/TApplicationEvents.h"
#include "framework/TMenuItem.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinMenu.h"

#include <QWidget>

TbsSkinPopupMenu::TbsSkinPopupMenu(QObject* owner)
    : QObject(owner), items_(new TMenuItem(this))
{
}

TbsSkinData* TbsSkinPopupMenu::SkinData() const
{
    return skinData_.data();
}

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* store)
{
    skinData_ = store;
}

TbsSkinMenu* TbsSkinPopupMenu::FindSkinMenu() const
{
    if (skinMenu_)
        return skinMenu_;
    if (TbsSkinMenu* menu = TbsSkinMenu::OfForm(ownerForm_))
        return menu;
    for (const QObject* owner = parent(); owner; owner = owner->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(owner);
        if (!widget || !widget->isWindow())
            continue;
        if (TbsSkinMenu* menu = TbsSkinMenu::OfForm(widget))
            return menu;
    }
    return nullptr;
}

void TbsSkinPopupMenu::Popup(int X, int Y)
{
    popupPoint_ = QPoint(X, Y);
    Open(QRect(popupPoint_, QSize(0, 0)), false);
}

void TbsSkinPopupMenu::PopupFromRect(const QRect& rect, bool upward)
{
    Open(rect, upward);
}

void TbsSkinPopupMenu::Open(const QRect& anchor, bool upward)
{
    const QPointer<TbsSkinPopupMenu> alive(this);
    TApplicationEvents::Guard([this] { Q_EMIT OnPopup(this); });
    if (!alive)
        return;
    TbsSkinMenu* menu = FindSkinMenu();
    if (!menu)
        return;
    if (!skinData_)
        skinData_ = menu->FrameSkinData();
    menu->CloseAll();
    QWidget* control = popupComponent_ ? popupComponent_.data() : menu->Form();
    if (!menu->Popup(control, skinData_, upward, items_, anchor))
        return;
    menu->OnMenuClose = [alive] {
        if (alive)
            Q_EMIT alive->OnMenuClose(alive);
    };
}
