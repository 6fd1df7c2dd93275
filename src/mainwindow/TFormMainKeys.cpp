// The player's comforts around the tabs: keys that refresh, close, switch and zoom the active
// tab, a tab's view alone on the whole screen, renderer recovery and idle pages.
#include "mainwindow/TFormMain.h"

#include "browser/PageVisibility.h"
#include "browser/RendererRecovery.h"
#include "browser/TWebBrowser.h"
#include "browser/WheelZoom.h"
#include "browser/ZoomSteps.h"
#include "framework/TApplicationEvents.h"
#include "framework/TPanel.h"
#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "mainwindow/FullScreenView.h"
#include "mainwindow/TabSwitch.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"

#include <QShortcut>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineSettings>

namespace {
// A window-wide key: it is the window's even while a page has the keyboard.
template <class Handler>
QShortcut* Key(TFormMain* form, QList<QKeySequence> keys, Handler handler)
{
    auto* shortcut = new QShortcut(form);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, form, [handler] { TApplicationEvents::Guard(handler); });
    return shortcut;
}
}  // namespace

void TFormMain::DefineComforts()
{
    fullScreen_ = new FullScreenView(this, PanelMain);
    pageVisibility_ = new PageVisibility(this);
    connect(fullScreen_, &FullScreenView::Changed, this, [this] { leaveFullScreenKey_->setEnabled(fullScreen_->Active()); });
    // The screen belongs to one tab: another tab coming to the front ends it.
    connect(bsSkinPageControl, &TPageControl::OnChange, this, [this] {
        if (fullScreen_->Active() && fullScreen_->View() != ActiveBrowser())
            LeaveFullScreen();
    });
    DefineKeys();
}

void TFormMain::DefineKeys()
{
    Key(this, {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)}, [this] { ImageFeedClick(nullptr); });
    Key(this, {QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { CloseActiveTab(); });
    const auto step = [this](int by) {
        ActivateTab(TabSwitch::Beside(bsSkinPageControl->IndexOfPage(bsSkinPageControl->ActivePage()), by,
                                      bsSkinPageControl->PageCount()));
    };
    Key(this, {QKeySequence(Qt::CTRL | Qt::Key_Tab)}, [step] { step(1); });
    Key(this, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)},
        [step] { step(-1); });
    for (int number = 1; number <= 9; ++number)
        Key(this, {QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + number))},
            [this, number] { ActivateTab(TabSwitch::Numbered(number, bsSkinPageControl->PageCount())); });
    Key(this, {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}, [this] { ZoomActiveTab(1); });
    Key(this, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { ZoomActiveTab(-1); });
    Key(this, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { ZoomActiveTab(0); });
    Key(this, {QKeySequence(Qt::Key_F11)}, [this] { ToggleFullScreen(); });
    // Escape is the page's own unless a view has the screen.
    leaveFullScreenKey_ = Key(this, {QKeySequence(Qt::Key_Escape)}, [this] { LeaveFullScreen(); });
    leaveFullScreenKey_->setEnabled(false);
}

void TFormMain::AttachComforts(TWebBrowser* browser)
{
    browser->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    connect(browser->page(), &QWebEnginePage::fullScreenRequested, this,
            [this, browser](QWebEngineFullScreenRequest request) {
                TApplicationEvents::Guard([&] { WebBrowserFullScreenRequested(browser, std::move(request)); });
            });
    new RendererRecovery(browser->page(), *clock_);
    new WheelZoom(browser);
    pageVisibility_->Watch(browser);
}

TWebBrowser* TFormMain::ActiveBrowser() const
{
    const TTabSheet* active = bsSkinPageControl->ActivePage();
    const TTabRecord* record = active ? tabs_->FindTab(active->Tag()) : nullptr;
    return record ? record->Browser.data() : nullptr;
}

void TFormMain::CloseActiveTab()
{
    // Through the close timer, as the close glyph does; one close at a time, never the main tab.
    TTabSheet* active = bsSkinPageControl->ActivePage();
    if (!active || active == bsSkinTabSheetMain || TimerCloseTab->Enabled())
        return;
    TimerCloseTab->SetTag(bsSkinPageControl->IndexOfPage(active));
    TimerCloseTab->SetEnabled(true);
}

void TFormMain::ActivateTab(int index)
{
    if (TTabSheet* page = bsSkinPageControl->Page(index))
        bsSkinPageControl->SetActivePage(page);
}

void TFormMain::ZoomActiveTab(int direction)
{
    TWebBrowser* browser = ActiveBrowser();
    if (!browser)
        return;
    browser->setZoomFactor(ZoomSteps::Stepped(browser->zoomFactor(), direction));
}

void TFormMain::ToggleFullScreen()
{
    if (fullScreen_->Active())
        LeaveFullScreen();
    else
        fullScreen_->Enter(ActiveBrowser());
}

void TFormMain::LeaveFullScreen()
{
    auto* browser = qobject_cast<TWebBrowser*>(fullScreen_->View());
    fullScreen_->Leave();
    // A page that asked for the screen itself learns that it has lost it.
    if (browser)
        browser->page()->triggerAction(QWebEnginePage::ExitFullScreen);
}

void TFormMain::WebBrowserFullScreenRequested(TWebBrowser* Sender, QWebEngineFullScreenRequest Request)
{
    // Only the tab in front may have the screen.
    if (Request.toggleOn() && Sender != ActiveBrowser()) {
        Request.reject();
        return;
    }
    Request.accept();
    if (Request.toggleOn())
        fullScreen_->Enter(Sender);
    else if (fullScreen_->View() == Sender)
        fullScreen_->Leave();
}
