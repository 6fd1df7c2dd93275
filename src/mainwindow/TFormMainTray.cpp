// The tray icon's double click and menu, cache cleaning after a confirmation, and the exit item.
#include "mainwindow/TFormMain.h"

#include "browser/ProfileUrlCache.h"
#include "browser/TWebBrowser.h"
#include "dialogs/TFormClearCache.h"
#include "dialogs/TFormMsgBox.h"
#include "framework/TMenuItem.h"
#include "platform/NotificationIcon.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupMenu.h"
#include "skinui/CellHeightFont.h"

void TFormMain::DefineTrayMenu()
{
    skinMenu_ = new TbsSkinMenu(this);
    skinMenu_->SetFrameSkinData(bsSkinData1);
    skinMenu_->SetDefaultItemHeight(20);
    skinMenu_->SetDefaultItemFont(FontWithHeight(QStringLiteral("Arial"), 14));
    skinMenu_->SetAlphaBlendValue(200);

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
    MenuItemExit = item("MenuItemExit", QStringLiteral("退出"), &TFormMain::MenuItemExitClick);

    connect(TrayIcon, &NotificationIcon::OnDblClick, this, &TFormMain::TrayIconDblClick);
    connect(TrayIcon, &NotificationIcon::OnContextMenu, this, &TFormMain::PopupTrayMenu);
}

void TFormMain::TrayIconDblClick(QObject*)
{
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
    if (isVisible() && !isMinimized()) {
        raise();
        activateWindow();
    }
    bsSkinPopupMenu->Popup(At.x(), At.y());
}

void TFormMain::MenuItemExitClick(QObject*)
{
    close();
}

void TFormMain::MenuItemClearCacheClick(QObject*)
{
    if (!ShowConfirmBox(QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。\r\n请在清理前退出游戏。"),
                        QStringLiteral("清理缓存"), 4))
        return;
    TFormClearCache cleaner(bsSkinData1, Cache());
    cleaner.exec();
}

bool TFormMain::ShowConfirmBox(const QString& Text, const QString& Caption, int Mode)
{
    TFormMsgBox box(bsSkinData1);
    SetupMsgBox(&box, Text, Caption, Mode);
    return box.exec() == 1;
}

UrlCache& TFormMain::Cache()
{
    if (services_.Cache)
        return *services_.Cache;
    if (!ownCache_)
        ownCache_ = std::make_unique<ProfileUrlCache>(*TWebBrowser::SharedProfile());
    return *ownCache_;
}
