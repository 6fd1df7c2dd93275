// What the window's pages ask of the player, and the tab of a page brought forward.
#include "mainwindow/TFormMain.h"

#include "browser/PlayerRequests.h"
#include "browser/TWebBrowser.h"
#include "framework/TTabSheet.h"
#include "mainwindow/PageBoxes.h"
#include "platform/FreedesktopNotifications.h"
#include "platform/SystemFileChooser.h"
#include "skincontrols/TbsSkinPageControl.h"

#include <QWebEngineView>

PlayerRequests& TFormMain::PageRequests()
{
    if (pageRequests_)
        return *pageRequests_;
    pageBoxes_ = std::make_unique<PageBoxes>(this, bsSkinData1, *waiting_,
                                             [this](QWebEngineView* view) { ShowTabOf(view); });
    if (!services_.Files)
        ownFiles_ = std::make_unique<SystemFileChooser>();
    if (!services_.Notifications)
        ownNotifications_ = std::make_unique<FreedesktopNotifications>();
    pageRequests_ = new PlayerRequests(
        {*pageBoxes_, services_.Files ? *services_.Files : *ownFiles_,
         services_.Notifications ? *services_.Notifications : *ownNotifications_, *clock_},
        TWebBrowser::SharedProfile(), this);
    return *pageRequests_;
}

void TFormMain::ShowTabOf(QWebEngineView* view)
{
    for (QWidget* sheet = view; sheet; sheet = sheet->parentWidget()) {
        if (const int index = bsSkinPageControl->IndexOfPage(qobject_cast<TTabSheet*>(sheet)); index >= 0) {
            ActivateTab(index);
            return;
        }
    }
}
