// The tray icon's double click and menu, cache cleaning after a confirmation, and the exit item.
#include "mainwindow/TFormMain.h"

#include "browser/MuteSwitch.h"
#include "browser/ProfileUrlCache.h"
#include "browser/TWebBrowser.h"
#include "dialogs/TFormClearCache.h"
#include "dialogs/TFormMsgBox.h"
#include "dialogs/WaitingDialogs.h"
#include "framework/TApplicationEvents.h"
#include "framework/TMenuItem.h"
#include "platform/NotificationIcon.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupMenu.h"
#include "skinframe/TbsSkinFrame.h"
#include "skinui/CellHeightFont.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <utility>

void TFormMain::DefineTrayMenu()
{
    // The window's skinned menus are its frame's: items 20 pixels high in 14-pixel Arial
    // where the skin has no font of its own, shown opaque at once, never scrolled.
    TbsSkinMenu* menus = bsSkinFrame1->SkinMenu();
    menus->SetDefaultItemHeight(20);
    menus->SetDefaultItemFont(FontWithHeight(QStringLiteral("Arial"), 14));
    menus->SetUseSkinFont(true);
    menus->SetAlphaBlend(false);
    menus->SetAlphaBlendAnimation(false);
    menus->SetAlphaBlendValue(200);
    menus->SetMaxMenuItemsInWindow(0);

    bsSkinPopupMenu = new TbsSkinPopupMenu(this);
    bsSkinPopupMenu->setObjectName(QStringLiteral("bsSkinPopupMenu"));
    bsSkinPopupMenu->SetSkinData(bsSkinData1);
    bsSkinPopupMenu->SetPopupComponent(this);
    const auto item = [this](const char* name, const QString& caption, void (TFormMain::*handler)(QObject*)) {
        auto* menuItem = new TMenuItem;
        menuItem->setObjectName(QLatin1String(name));
        menuItem->SetCaption(caption);
        bsSkinPopupMenu->Items()->Add(menuItem);
        connect(menuItem, &TMenuItem::OnClick, this, handler);
        return menuItem;
    };
    MenuItemClearCache = item("MenuItemClearCache", QStringLiteral("清理缓存"), &TFormMain::MenuItemClearCacheClick);
    MenuItemMute = item("MenuItemMute", QStringLiteral("静音"), &TFormMain::MenuItemMuteClick);
    MenuItemMute->SetChecked(Sound().Muted());
    MenuItemExit = item("MenuItemExit", QStringLiteral("退出"), &TFormMain::MenuItemExitClick);

    trayMenuWait_ = new QTimer(this);
    trayMenuWait_->setSingleShot(true);
    trayMenuWait_->setInterval(500);
    connect(trayMenuWait_, &QTimer::timeout, this, &TFormMain::OpenWaitingTrayMenu);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            OpenWaitingTrayMenu();
    });
    // A waiting dialog brought forward for the menu.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus && waiting_->Any() && focus == waiting_->Newest()->windowHandle())
            OpenWaitingTrayMenu();
    });

    connect(TrayIcon, &NotificationIcon::OnDblClick, this, [this](QObject* Sender) {
        TApplicationEvents::Guard([&] { TrayIconDblClick(Sender); });
    });
    connect(TrayIcon, &NotificationIcon::OnContextMenu, this, [this](QPoint At) {
        TApplicationEvents::Guard([&] { PopupTrayMenu(At); });
    });
}

void TFormMain::TrayIconDblClick(QObject*)
{
    // A dialog's answer is still awaited, within a handler of this window: the window neither
    // hides under it nor runs a handler of its own again meanwhile.
    if (waiting_->Any()) {
        waiting_->BringForward();
        return;
    }
    if (isVisible()) {
        hide();
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFormMain::PopupTrayMenu(QPoint At)
{
    // The menu closes as the window's activation or the client's focus changes, and both
    // come back from the window manager a little later: the menu waits for them, for a while
    // at most where the manager answers otherwise. The window in front is a dialog that waits
    // for its answer, else the main window.
    trayMenuAt_ = At;
    QWidget* front = waiting_->Any() ? static_cast<QWidget*>(waiting_->Newest()) : this;
    if (front->isVisible() && !isMinimized() && !front->isActiveWindow()) {
        trayMenuWait_->start();
        front->raise();
        front->activateWindow();
    } else if (const QWindow* focus = QGuiApplication::focusWindow(); focus && !focus->isVisible()) {
        trayMenuWait_->start();  // just hidden: the focus is on its way out of the client
    } else {
        OpenWaitingTrayMenu();
    }
}

void TFormMain::OpenWaitingTrayMenu()
{
    trayMenuWait_->stop();
    if (!trayMenuAt_)
        return;
    const QPoint at = *std::exchange(trayMenuAt_, std::nullopt);
    // While a dialog waits, cleaning would start a second question: only leaving is offered.
    MenuItemClearCache->SetEnabled(!waiting_->Any());
    TApplicationEvents::Guard([&] { bsSkinPopupMenu->Popup(at.x(), at.y()); });
}

void TFormMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        OpenWaitingTrayMenu();
}

void TFormMain::MenuItemExitClick(QObject*)
{
    close();
}

void TFormMain::MenuItemClearCacheClick(QObject*)
{
    if (!ShowConfirmBox(TFormClearCache::ConfirmationText(), TFormClearCache::ConfirmationCaption(), 4))
        return;
    TFormClearCache cleaner(bsSkinData1, Cache(), this);
    waiting_->Exec(cleaner);
}

bool TFormMain::ShowConfirmBox(const QString& Text, const QString& Caption, int Mode)
{
    TFormMsgBox box(bsSkinData1, this);
    SetupMsgBox(&box, Text, Caption, Mode);
    return waiting_->Exec(box) == 1;
}

UrlCache& TFormMain::Cache()
{
    if (services_.Cache)
        return *services_.Cache;
    if (!ownCache_)
        ownCache_ = std::make_unique<ProfileUrlCache>(*TWebBrowser::SharedProfile());
    return *ownCache_;
}
