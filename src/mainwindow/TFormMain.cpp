#include "mainwindow/TFormMain.h"

#include "browser/EngineAddress.h"
#include "browser/PortalRetry.h"
#include "browser/TWebBrowser.h"
#include "dialogs/WaitingDialogs.h"
#include "error/KestruneError.h"
#include "framework/DebugOutput.h"
#include "framework/FirstFrame.h"
#include "framework/TApplicationEvents.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "mainwindow/FrameBands.h"
#include "mainwindow/FullScreenView.h"
#include "mainwindow/PageBoxes.h"
#include "platform/DefaultBrowser.h"
#include "platform/DesktopNotifications.h"
#include "platform/FileChooser.h"
#include "platform/InstanceGuard.h"
#include "platform/NotificationIcon.h"
#include "platform/ResourcePack.h"
#include "platform/SystemClock.h"
#include "platform/TempDirectory.h"
#include "platform/UrlCache.h"
#include "platform/WindowManager.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "skinframe/TbsSkinFrame.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QScreen>
#include <QWebEnginePage>

namespace {
const QString ApplicationTitle = QStringLiteral("VostrelKestrune");
}

TFormMain::TFormMain(const QString& PortalBaseUrl, Services services, QWidget* parent)
    : QWidget(parent),
      portalBaseUrl_(EngineAddress(PortalBaseUrl)),
      services_(services),
      clock_(services.Time ? services.Time : &SystemClock::Instance())
{
    PrepareForPages();
    DefineLayout();
    tabs_ = std::make_unique<TBrowserTabs>(bsSkinPageControl,
                                           [this](TWebBrowser* browser) { BindBrowserEvents(browser); });
    // A step that raises ends the creation there; the window is still built and shown.
    bool created = false;
    TApplicationEvents::Guard([&] {
        FormCreate();
        created = true;
    });
    // Starting the web engine blocks the thread for a good while, so the window goes on
    // screen first: the main tab's browser, and the creation steps that need it, follow in
    // the turn after the window's first frame. The main tab keeps the tag the creation gave
    // it, even if a title-bar link opened a tab in between.
    FirstFrame::Then(this, [this, created, mainTag = tabs_->TabTagCounter()] {
        DefineMainBrowser();
        if (created)
            TApplicationEvents::Guard([this, mainTag] { FormCreateMainTab(mainTag); });
        WebBrowser->show();
    });
}

TFormMain::~TFormMain()
{
    // The frame first: nothing of the window's own teardown may reach it half gone.
    delete bsSkinFrame1;
    bsSkinFrame1 = nullptr;
    // FormDestroy: give the single-instance guard up, then the tab records; the browsers
    // and sheets go with the window's components.
    if (InstanceMutex)
        InstanceMutex->Release();
    tabs_.reset();
    // The components outlive this body; none of their last signals or hooks may reach the
    // handlers.
    for (QObject* component : findChildren<QObject*>())
        component->disconnect(this);
    // The application's focus changes as the window goes.
    qApp->disconnect(this);
    // The tray icon is the desktop's; it leaves with the window that showed it.
    TrayIcon->disconnect(this);
    TrayIcon->Hide();
    bsSkinPageControl->OnDrawSkinTab = nullptr;
    for (TWebBrowser* browser : findChildren<TWebBrowser*>()) {
        browser->OnBeforeNavigate2 = nullptr;
        browser->OnNewWindow2 = nullptr;
    }
}

void TFormMain::FormCreate()
{
    TempDirectory = GetTempDirectory();
    bsSkinPageControl->SetTabsOffset(90);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : size();
    move((screenSize.width() - width()) / 2, (screenSize.height() - height()) / 2);
    normalBounds_ = geometry();
    setMinimumSize(810, 610);
    QGuiApplication::setApplicationDisplayName(ApplicationTitle);
    setWindowTitle(ApplicationTitle);
    setMask(FrameBands::RoundRectRegion(width() + 1, height() + 6, 6, 6));
    // The tray, the resource pack and the skin are extras: without them the client still
    // shows its portal, so their failures are reported and the creation goes on.
    TApplicationEvents::Guard([this] { SetUpTrayIcon(); });
    tabs_->SetTabTagCounter(1);
    TApplicationEvents::Guard([this] { ResourcePackHandle = LoadResourcePack(services_.PackDirectory); });
    LabelStatus->SetTransparent(true);
    tabs_->CreateRegistry();
    TApplicationEvents::Guard([this] { LoadSkin(); });
    ImageMaxClick(nullptr);
}

void TFormMain::FormCreateMainTab(int MainTag)
{
    WebBrowser->Navigate(portalBaseUrl_);
    WebBrowser->SetTag(MainTag);
    bsSkinTabSheetMain->SetTag(MainTag);
    tabs_->RegisterTab(MainTag, WebBrowser, bsSkinTabSheetMain);
}

void TFormMain::SetUpTrayIcon()
{
    const QIcon icon(QStringLiteral(":/artwork/kestrune.png"));
    // The client's icon is every window's icon, the dialogs' too.
    QGuiApplication::setWindowIcon(icon);
    TrayIcon->SetIcon(icon);
    TrayIcon->SetHint(ApplicationTitle);
    // Shown even without a notification area: the icon then waits for one to start.
    TrayIcon->Show();
    if (!TrayIcon->HostAvailable())
        throw KestruneError(QStringLiteral("Cannot create shell notification icon"));
}

void TFormMain::LoadSkin()
{
    if (TempDirectory.isEmpty())
        throw KestruneError(QStringLiteral("No private temporary directory: the skin is not loaded"));
    SavePackResource(QStringLiteral("Skin"), QStringLiteral(".skn"), TempDirectory, QStringLiteral("rcdata"));
    const QString package = TempDirectory + QStringLiteral("Skin.skn");
    bsSkinData1->LoadPackageFile(package);
    QFile::remove(package);
}

void TFormMain::FormResize()
{
    setMask(FrameBands::RoundRectRegion(width() + 1, height() + 7, 7, 7));
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A view alone on the screen has the whole, unshaped window.
    if (fullScreen_ && fullScreen_->Active())
        fullScreen_->Fit();
    else
        FormResize();
}

void TFormMain::FormCloseQuery(QObject*, bool&)
{
}

void TFormMain::SessionEnding()
{
    close();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    TApplicationEvents::Guard([&] { FormCloseQuery(this, canClose); });
    if (!canClose) {
        event->ignore();
        return;
    }
    // A dialog still waiting is answered as its Cancel would answer, and closed, first.
    waiting_->EndAll();
    event->accept();
    Q_EMIT Closed();
}

void TFormMain::ApplicationEvents1Exception(QObject*, const std::exception& E)
{
    OutputDebugLine(TApplicationEvents::ExceptionMessage(E));
}

// ---- Moving, sizing and maximizing ----

void TFormMain::ImageMaxClick(QObject*)
{
    if (tag_ != 0) {
        tag_ = 0;
        RestoreNormalBounds();
    } else {
        tag_ = 1;
        MaximizeToWorkArea();
    }
}

void TFormMain::ImageMinClick(QObject*)
{
    showMinimized();
}

void TFormMain::ImageTitleMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    services_.Windows.BeginSystemDrag(this, HTCAPTION);
}

void TFormMain::ImageTitleRightMouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    PanelMain->setCursor(Qt::ArrowCursor);
}

void TFormMain::FormMouseMove(QObject* Sender, Qt::KeyboardModifiers, int X, int Y)
{
    UpdateBorderCursor(qobject_cast<QWidget*>(Sender), X, Y);
}

void TFormMain::FormMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
    BeginBorderDrag(X, Y);
}

void TFormMain::MaximizeToWorkArea()
{
    const WorkAreaRect workArea = services_.Windows.WorkArea();
    normalBounds_ = geometry();
    if (const auto bounds = FrameBands::MaximizedBounds(workArea, GetTaskbarPosition()))
        SetBounds(*bounds);
}

void TFormMain::RestoreNormalBounds()
{
    SetBounds(normalBounds_);
}

AppBarData TFormMain::GetTaskbarPosition()
{
    return services_.Windows.TaskbarPosition();
}

void TFormMain::SetBounds(const QRect& bounds)
{
    move(bounds.topLeft());
    resize(bounds.size());
}

void TFormMain::UpdateBorderCursor(QWidget* Control, int X, int Y)
{
    if (const auto cursor = FrameBands::CursorAt(width(), height(), X, Y); cursor && Control)
        Control->setCursor(*cursor);
}

void TFormMain::BeginBorderDrag(int X, int Y)
{
    if (const int code = FrameBands::HitCodeAt(width(), height(), X, Y); code > 0)
        services_.Windows.BeginSystemDrag(this, code);
}

void TFormMain::ImageToolRightMouseMove(QObject*, Qt::KeyboardModifiers, int X, int Y)
{
    const bool grip = FrameBands::InSizeGrip(ImageToolRight->size(), {X, Y});
    ImageToolRight->setCursor(grip ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
}

void TFormMain::ImageToolRightMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
    if (FrameBands::InSizeGrip(ImageToolRight->size(), {X, Y}))
        services_.Windows.BeginSystemDrag(this, HTBOTTOMRIGHT);
}

// ---- Browser tabs ----

TWebBrowser* TFormMain::OpenTab(const QString& URL, QWebEnginePage** Dispatch, bool Activate)
{
    return tabs_->OpenTab(URL, Dispatch, Activate);
}

void TFormMain::WebBrowserNewWindow2(QObject* Sender, QWebEnginePage** ppDisp, bool* Cancel)
{
    const auto* opener = qobject_cast<TWebBrowser*>(Sender);
    if (!AdmitNewWindow(opener)) {
        *Cancel = true;
        return;
    }
    // A tab behind the one in front opens its window behind it too: the player keeps the
    // tab in front, and its whole screen.
    TWebBrowser* tab = OpenTab(QString(), ppDisp, !opener || opener == ActiveBrowser());
    // A window a page opened, the page may close.
    connect(tab->page(), &QWebEnginePage::windowCloseRequested, this, [this, tab] { CloseTab(tab); });
}

void TFormMain::WebBrowserTitleChange(QObject* Sender, const QString& Text)
{
    const auto* browser = qobject_cast<TWebBrowser*>(Sender);
    if (TTabRecord* record = browser ? tabs_->FindTab(browser->Tag()) : nullptr; record && record->Sheet)
        record->Sheet->SetCaption(Text);
}

void TFormMain::WebBrowserBeforeNavigate2(QObject* Sender, QObject*, const QString& URL, int, const QString&,
                                          const QByteArray&, const QString&, bool* Cancel)
{
    if (!URL.contains(portalBaseUrl_ + QStringLiteral("pay.html")))
        return;
    *Cancel = true;
    // A frame asking over and over opens the player's browser once.
    const auto* browser = qobject_cast<TWebBrowser*>(Sender);
    if (!payHandOff_.Admit(browser ? browser->Tag() : 0, URL, clock_->NowMs()))
        return;
    // Only web addresses leave the client: a page must not reach local handlers this way.
    if (!services_.Browser.Open(URL))
        OutputDebugLine(QStringLiteral("Pay page address not handed to the default browser: ") + URL);
}

void TFormMain::TimerCloseTabTimer(QObject*)
{
    TimerCloseTab->SetEnabled(false);
    delete bsSkinPageControl->Page(TimerCloseTab->Tag());
}

void TFormMain::PrepareForPages()
{
    // On the X11 and Wayland desktops pages are drawn as textures (the engine then has its
    // shared OpenGL context), and a window first made for plain painting is made a second time
    // when its first page view arrives: the player would see the window blink out and back. A
    // texture-drawn child present before the window exists makes it right at once; it stays
    // hidden, and the window would forget the need without it. Other platforms (the offscreen
    // one) cannot draw a window that way and keep plain painting.
    const QString platform = QGuiApplication::platformName();
    if ((platform == u"xcb" || platform == u"wayland") && QOpenGLContext::globalShareContext())
        (new QOpenGLWidget(this))->hide();
}
