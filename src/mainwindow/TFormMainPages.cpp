// What pages bring to the window besides their tabs: new windows within bounds, windows they
// close, the status strip's texts, downloads, the page menu and the sound of every tab.
#include "mainwindow/TFormMain.h"

#include "browser/Downloads.h"
#include "browser/MuteSwitch.h"
#include "browser/TWebBrowser.h"
#include "framework/TApplicationEvents.h"
#include "framework/TLabel.h"
#include "framework/TMenuItem.h"
#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "mainwindow/PageMenu.h"
#include "mainwindow/StatusStrip.h"
#include "platform/Clock.h"
#include "platform/DefaultBrowser.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"

#include <QStandardPaths>
#include <algorithm>
#include <QTimer>
#include <QWebEngineProfile>

namespace {
QString FolderOr(const QString& chosen, QStandardPaths::StandardLocation fallback)
{
    return chosen.isEmpty() ? QStandardPaths::writableLocation(fallback) : chosen;
}
}  // namespace

void TFormMain::DefinePageServices()
{
    mute_ = new MuteSwitch(FolderOr(services_.SettingsDirectory, QStandardPaths::AppDataLocation)
                               + QStringLiteral("/sound"), this);
    // The label of the window's definition is 12 pixels high, less than a line of its font:
    // now that it shows text, it is as high as a line, so that no descender is cut off.
    LabelStatus->resize(LabelStatus->width(), std::max(LabelStatus->height(), LabelStatus->fontMetrics().height()));
    statusStrip_ = new StatusStrip(LabelStatus, QUrl(portalBaseUrl_).host(), *clock_, this);
    connect(bsSkinPageControl, &TPageControl::OnChange, this, [this] {
        const TWebBrowser* front = ActiveBrowser();
        statusStrip_->SetFront(front ? front->page() : nullptr);
    });
    connect(LabelStatus, &TControl::OnClick, this, &TFormMain::LabelStatusClick);
    pageMenu_ = new PageMenu(this, bsSkinData1,
                             {[this](const QUrl& link) { OpenTab(link.toString(QUrl::FullyEncoded), nullptr); },
                              [this] { WebBrowser->Navigate(portalBaseUrl_); }});
}

void TFormMain::DefineDownloads()
{
    downloads_ = new Downloads(TWebBrowser::SharedProfile(),
                               FolderOr(services_.DownloadDirectory, QStandardPaths::DownloadLocation), this);
    connect(downloads_, &Downloads::Started, this, &TFormMain::CloseDownloadOnlyTab);
    connect(downloads_, &Downloads::Progress, statusStrip_, &StatusStrip::DownloadProgress);
    connect(downloads_, &Downloads::Finished, statusStrip_, &StatusStrip::DownloadFinished);
    connect(downloads_, &Downloads::Failed, statusStrip_, &StatusStrip::DownloadFailed);
}

void TFormMain::AttachPageServices(TWebBrowser* browser)
{
    const bool mainTab = browser == WebBrowser;
    statusStrip_->Watch(browser->page(), mainTab);
    pageMenu_->Attach(browser, mainTab);
    mute_->Watch(browser->page());
    // The speaker in the tab follows the page's sound and the mute switch.
    const auto repaintStrip = [this] { bsSkinPageControl->update(); };
    connect(browser->page(), &QWebEnginePage::recentlyAudibleChanged, bsSkinPageControl, repaintStrip);
    connect(browser->page(), &QWebEnginePage::audioMutedChanged, bsSkinPageControl, repaintStrip);
    if (mainTab)
        statusStrip_->SetFront(browser->page());
}

bool TFormMain::AdmitNewWindow(const TWebBrowser* opener)
{
    return bsSkinPageControl->PageCount() < MaxTabs && popupBudget_.Take(opener ? opener->Tag() : 0, clock_->NowMs());
}

void TFormMain::CloseTab(TWebBrowser* Tab)
{
    const TTabRecord* record = Tab ? tabs_->FindTab(Tab->Tag()) : nullptr;
    const int index = record ? bsSkinPageControl->IndexOfPage(record->Sheet) : -1;
    if (index <= 0 || record->Sheet == bsSkinTabSheetMain)
        return;
    // One close at a time: this one follows the close under way.
    if (TimerCloseTab->Enabled()) {
        QTimer::singleShot(TimerCloseTab->Interval(), Tab, [this, Tab] { CloseTab(Tab); });
        return;
    }
    TimerCloseTab->SetTag(index);
    TimerCloseTab->SetEnabled(true);
}

void TFormMain::CloseDownloadOnlyTab(QWebEnginePage* page)
{
    // A tab a link opened for a file shows nothing: it goes once its download has started.
    const QUrl shown = page ? page->url() : QUrl();
    if (!shown.isEmpty() && shown != QUrl(QStringLiteral("about:blank")))
        return;
    for (TWebBrowser* browser : findChildren<TWebBrowser*>())
        if (browser->page() == page && browser != WebBrowser)
            CloseTab(browser);
}

void TFormMain::LabelStatusClick(QObject*)
{
    if (downloads_ && statusStrip_->ShowsFinishedDownload())
        services_.Browser.OpenFolder(downloads_->Folder());
}

void TFormMain::MenuItemMuteClick(QObject*)
{
    const bool muted = !mute_->Muted();
    MenuItemMute->SetChecked(muted);
    mute_->SetMuted(muted);
}
