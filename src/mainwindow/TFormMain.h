#pragma once

#include "browser/PayHandOff.h"
#include "browser/PopupBudget.h"
#include "browser/TBrowserTabs.h"
#include "mainwindow/CloseGlyphTable.h"
#include "platform/WindowManager.h"

#include <QRect>
#include <QWidget>
#include <exception>
#include <memory>
#include <optional>

class Clock;
class DefaultBrowser;
class DesktopNotifications;
class Downloads;
class FileChooser;
class PageBoxes;
class PlayerRequests;
class QWebEngineView;
class WaitingDialogs;
class FullScreenView;
class MuteSwitch;
class NotificationIcon;
class PageMenu;
class PageVisibility;
class StatusStrip;
class TMenuItem;
class TbsSkinPopupMenu;
class UrlCache;
class QPainter;
class QShortcut;
class QTimer;
class QWebEngineFullScreenRequest;
class QWebEnginePage;
class TApplicationEvents;
class TImage;
class TLabel;
class TPanel;
class TTabSheet;
class TTimer;
class TWebBrowser;
class TbsResourceStrData;
class TbsSkinData;
class TbsSkinFrame;
class TbsSkinPageControl;
class TbsSkinTabSheet;

// The main window: frameless and image-drawn, with the title-bar pictures, the browser tab
// strip and the status strip. The component pointers are named as in the window's
// definition; the window owns them all.
class TFormMain : public QWidget {
    Q_OBJECT
public:
    // The window-system services the window reaches the desktop through.
    struct Services {
        WindowManager& Windows;
        DefaultBrowser& Browser;
        QString PackDirectory;  // where the resource pack is sought, ending in "/"
        NotificationIcon* Tray = nullptr;  // nullptr: the desktop's own notification area
        Clock* Time = nullptr;  // nullptr: the system's own clock; must outlive the window
        UrlCache* Cache = nullptr;         // nullptr: the web profile's HTTP cache
        FileChooser* Files = nullptr;      // nullptr: the desktop's file dialog
        DesktopNotifications* Notifications = nullptr;  // nullptr: the desktop's notification service
        QString DownloadDirectory = {};  // where downloads go; empty: the desktop's download folder
        QString SettingsDirectory = {};  // where the player's choices are kept; empty: the client's data folder
    };

    // The most tabs pages can open windows into.
    static constexpr int MaxTabs = 50;

    // Builds the window for the portal at PortalBaseUrl (http or https, ending in "/") and
    // runs its creation steps. The address is kept as the web engine spells it.
    TFormMain(const QString& PortalBaseUrl, Services services, QWidget* parent = nullptr);
    ~TFormMain() override;

    const QString& PortalBaseUrl() const { return portalBaseUrl_; }
    // The maximized flag: 0 normal, 1 maximized.
    int Tag() const { return tag_; }
    QRect NormalBounds() const { return normalBounds_; }
    TBrowserTabs& Tabs() { return *tabs_; }

    // Components.
    TPanel* PanelMain = nullptr;
    TImage* ImageTitleRight = nullptr;
    TImage* ImageClose = nullptr;
    TImage* ImageFeed = nullptr;
    TImage* ImageMax = nullptr;
    TImage* ImageMin = nullptr;
    TImage* ImageSet = nullptr;
    TImage* ImageTitle = nullptr;
    TImage* ImageTitleLeft = nullptr;
    TImage* Image1 = nullptr;
    TImage* ITgame = nullptr;
    TImage* ITUser = nullptr;
    TImage* ITLIBao = nullptr;
    TImage* ITKeFu = nullptr;
    TbsSkinPageControl* bsSkinPageControl = nullptr;
    TbsSkinTabSheet* bsSkinTabSheetMain = nullptr;
    TWebBrowser* WebBrowser = nullptr;
    TPanel* PanelBottom = nullptr;
    TImage* ImageToolRight = nullptr;
    TImage* ImageToolLeft = nullptr;
    TLabel* LabelStatus = nullptr;
    TbsSkinFrame* bsSkinFrame1 = nullptr;  // border style none: background, fade-in, Alt+Space
    TbsSkinData* bsSkinData1 = nullptr;
    TbsResourceStrData* bsResourceStrData1 = nullptr;
    TTimer* TimerCloseTab = nullptr;
    NotificationIcon* TrayIcon = nullptr;  // Services::Tray, or the window's own
    TbsSkinPopupMenu* bsSkinPopupMenu = nullptr;
    TMenuItem* MenuItemClearCache = nullptr;
    TMenuItem* MenuItemMute = nullptr;
    TMenuItem* MenuItemExit = nullptr;
    TApplicationEvents* ApplicationEvents1 = nullptr;

    // Creation, shape and the global error handler. The creation's last steps, which send
    // the main tab home and file it, run once the main browser exists.
    void FormCreate();
    void FormCreateMainTab(int MainTag);
    void FormResize();
    void ApplicationEvents1Exception(QObject* Sender, const std::exception& E);

    // Ending: every close of the window is allowed, and closing it ends the client. The end
    // of the desktop session closes it the same way, whether or not the session really ends.
    void FormCloseQuery(QObject* Sender, bool& CanClose);
    void SessionEnding();

    // The tray: a double click hides the window or brings it back; its menu cleans the cache
    // or ends the client.
    void TrayIconDblClick(QObject* Sender);
    void MenuItemExitClick(QObject* Sender);

    // Cache cleaning, after the player confirms it.
    void MenuItemClearCacheClick(QObject* Sender);
    // The skinned confirmation dialog: true exactly when its OK closed it. Mode 0 shows OK
    // alone.
    bool ShowConfirmBox(const QString& Text, const QString& Caption, int Mode);

    // Moving, sizing and maximizing the frameless window.
    void ImageMaxClick(QObject* Sender);
    void ImageMinClick(QObject* Sender);
    void ImageTitleMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageTitleRightMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MaximizeToWorkArea();
    void RestoreNormalBounds();
    AppBarData GetTaskbarPosition();
    void UpdateBorderCursor(QWidget* Control, int X, int Y);
    void BeginBorderDrag(int X, int Y);
    // The status strip's size grip sizes the window from its bottom right corner.
    void ImageToolRightMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageToolRightMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

    // Title-bar buttons: pictures from the resource pack on every mouse event, actions on click.
    void ImageCloseMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageCloseMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageCloseMouseLeave(QObject* Sender);
    void ImageCloseMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageCloseClick(QObject* Sender);
    void ImageMaxMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageMaxMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageMaxMouseLeave(QObject* Sender);
    void ImageMaxMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageMinMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageMinMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageMinMouseLeave(QObject* Sender);
    void ImageMinMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageSetMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageSetMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageSetMouseLeave(QObject* Sender);
    void ImageSetMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageFeedMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageFeedMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageFeedMouseLeave(QObject* Sender);
    void ImageFeedMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageFeedClick(QObject* Sender);

    // Portal links: hover picture once on enter, action on any button going down.
    void Image1MouseEnter(QObject* Sender);
    void Image1MouseLeave(QObject* Sender);
    void Image1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Image1MouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITgameMouseEnter(QObject* Sender);
    void ITgameMouseLeave(QObject* Sender);
    void ITgameMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITgameMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITUserMouseEnter(QObject* Sender);
    void ITUserMouseLeave(QObject* Sender);
    void ITUserMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITUserMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITLIBaoMouseEnter(QObject* Sender);
    void ITLIBaoMouseLeave(QObject* Sender);
    void ITLIBaoMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITLIBaoMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITKeFuMouseEnter(QObject* Sender);
    void ITKeFuMouseLeave(QObject* Sender);
    void ITKeFuMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void ITKeFuMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

    // Browser tabs.
    TWebBrowser* OpenTab(const QString& URL, QWebEnginePage** Dispatch, bool Activate = true);
    void WebBrowserNewWindow2(QObject* Sender, QWebEnginePage** ppDisp, bool* Cancel);
    void WebBrowserTitleChange(QObject* Sender, const QString& Text);
    void WebBrowserBeforeNavigate2(QObject* Sender, QObject* pDisp, const QString& URL, int Flags,
                                   const QString& TargetFrameName, const QByteArray& PostData,
                                   const QString& Headers, bool* Cancel);
    void TimerCloseTabTimer(QObject* Sender);
    // Closes a tab through the close timer, as its close glyph does; never the main tab.
    void CloseTab(TWebBrowser* Tab);

    // What pages bring: the status strip's texts, downloads (a click on a finished one's
    // text opens its folder), the page menu, and the sound of every tab, muted from the tray.
    void LabelStatusClick(QObject* Sender);
    void MenuItemMuteClick(QObject* Sender);
    StatusStrip& Status() const { return *statusStrip_; }
    PageMenu& PageMenus() const { return *pageMenu_; }
    const MuteSwitch& Sound() const { return *mute_; }
    // The downloads of every tab; null until the main tab's browser exists.
    Downloads* DownloadList() const { return downloads_; }

    // The tab strip: every tab painted from pack pictures, with a close glyph beside all but
    // the main tab that lights up under the pointer and closes its tab on a left release.
    void bsSkinPageControlDrawSkinTab(int TabIndex, int VisibleIndex, QRect Rct, bool Active, bool MouseIn,
                                      QPainter* Cnvs);
    void bsSkinPageControlMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void bsSkinPageControlMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    const CloseGlyphTable& CloseGlyphs() const { return closeGlyphs_; }

    // The keyboard and full screen: the active tab refreshed, closed, switched or zoomed, and
    // a tab's view alone on the whole screen.
    TWebBrowser* ActiveBrowser() const;
    void CloseActiveTab();
    void ActivateTab(int index);
    // Direction 1 zooms the active tab in a step, -1 out, 0 back to its natural size.
    void ZoomActiveTab(int direction);
    void ToggleFullScreen();
    void WebBrowserFullScreenRequested(TWebBrowser* Sender, QWebEngineFullScreenRequest Request);
    const FullScreenView& FullScreen() const { return *fullScreen_; }

    // What pages ask of the player: boxes modal to this window, the desktop's file dialog and
    // notification service. Made with the first browser (the web profile starts the engine).
    PlayerRequests& PageRequests();
    // The window's dialogs that wait for the player; closing the window answers them first.
    WaitingDialogs& Waiting() const { return *waiting_; }
    // Brings the tab that shows view to the front of the strip.
    void ShowTabOf(QWebEngineView* view);

Q_SIGNALS:
    // The window has been closed: the client ends.
    void Closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The window definition: components, their properties and event bindings.
    void PrepareForPages();
    void DefineLayout();
    void DefineTitleBar();
    void DefinePortalLinks();
    void DefineTabs();
    // The main tab's browser: made after the window's first frame (it starts the web engine).
    void DefineMainBrowser();
    void DefineStatusStrip();
    void DefineNonVisual();
    void DefineKeys();
    void DefineComforts();
    void AttachComforts(TWebBrowser* browser);
    void LeaveFullScreen();
    void BindTitleBarButtons();
    void BindPortalLinks();
    // The picture of ImageMax for a state suffix ("", "Move", "Down"): by the maximized flag.
    QString MaxPicture(const char* suffix) const;
    void OpenPayPage();
    void DrawTab(int TabIndex, int VisibleIndex, QPainter& Cnvs);
    // Whether the page of the tab at this index plays sound that can be heard.
    bool Audible(int TabIndex) const;
    void BindBrowserEvents(TWebBrowser* browser);
    // The services of pages: made with the window, and the downloads once the engine runs.
    void DefinePageServices();
    void DefineDownloads();
    void AttachPageServices(TWebBrowser* browser);
    // Whether a page may have its new window now: not beyond MaxTabs, nor more than a few
    // in a short while from one tab.
    bool AdmitNewWindow(const TWebBrowser* opener);
    void CloseDownloadOnlyTab(QWebEnginePage* page);
    void SetUpTrayIcon();
    void DefineTrayMenu();
    // The tray's menu at a screen point, the window brought forward first when it is shown.
    void PopupTrayMenu(QPoint At);
    void OpenWaitingTrayMenu();
    // The cache the cleaner empties: Services::Cache, else the profile's, made on first use
    // (the profile starts the web engine).
    UrlCache& Cache();
    void LoadSkin();
    void SetBounds(const QRect& bounds);

    QString portalBaseUrl_;
    Services services_;
    Clock* clock_;
    std::unique_ptr<TBrowserTabs> tabs_;
    std::unique_ptr<NotificationIcon> ownTray_;
    std::unique_ptr<UrlCache> ownCache_;
    WaitingDialogs* waiting_ = nullptr;
    std::unique_ptr<PageBoxes> pageBoxes_;
    std::unique_ptr<FileChooser> ownFiles_;
    std::unique_ptr<DesktopNotifications> ownNotifications_;
    PlayerRequests* pageRequests_ = nullptr;
    // Where the tray's menu opens once the window has come forward.
    std::optional<QPoint> trayMenuAt_;
    QTimer* trayMenuWait_ = nullptr;
    FullScreenView* fullScreen_ = nullptr;
    PageVisibility* pageVisibility_ = nullptr;
    QShortcut* leaveFullScreenKey_ = nullptr;
    PopupBudget popupBudget_;
    PayHandOff payHandOff_;
    StatusStrip* statusStrip_ = nullptr;
    PageMenu* pageMenu_ = nullptr;
    MuteSwitch* mute_ = nullptr;
    Downloads* downloads_ = nullptr;
    int tag_ = 0;
    QRect normalBounds_;
    CloseGlyphTable closeGlyphs_;
    QPoint lastStripPointer_;
};
