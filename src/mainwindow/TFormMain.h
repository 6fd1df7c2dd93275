#pragma once

#include "browser/TBrowserTabs.h"
#include "platform/WindowManager.h"

#include <QRect>
#include <QWidget>
#include <exception>
#include <memory>

class DefaultBrowser;
class QSystemTrayIcon;
class QWebEnginePage;
class TApplicationEvents;
class TImage;
class TLabel;
class TPanel;
class TTabSheet;
class TTimer;
class TWebBrowser;
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
    };

    // Builds the window for the portal at PortalBaseUrl (http or https, ending in "/") and
    // runs its creation steps.
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
    TTimer* TimerCloseTab = nullptr;
    QSystemTrayIcon* TrayIcon = nullptr;
    TApplicationEvents* ApplicationEvents1 = nullptr;

    // Creation, shape and the global error handler.
    void FormCreate();
    void FormResize();
    void ApplicationEvents1Exception(QObject* Sender, const std::exception& E);

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

    // Browser tabs.
    TWebBrowser* OpenTab(const QString& URL, QWebEnginePage** Dispatch);
    void WebBrowserNewWindow2(QObject* Sender, QWebEnginePage** ppDisp, bool* Cancel);
    void WebBrowserTitleChange(QObject* Sender, const QString& Text);
    void WebBrowserBeforeNavigate2(QObject* Sender, QObject* pDisp, const QString& URL, int Flags,
                                   const QString& TargetFrameName, const QByteArray& PostData,
                                   const QString& Headers, bool* Cancel);
    void TimerCloseTabTimer(QObject* Sender);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The window definition: components, their properties and event bindings.
    void DefineLayout();
    void DefineTitleBar();
    void DefinePortalLinks();
    void DefineTabs();
    void DefineStatusStrip();
    void DefineNonVisual();
    void BindBrowserEvents(TWebBrowser* browser);
    void SetUpTrayIcon();
    void LoadSkin();
    void SetBounds(const QRect& bounds);

    QString portalBaseUrl_;
    Services services_;
    std::unique_ptr<TBrowserTabs> tabs_;
    int tag_ = 0;
    QRect normalBounds_;
};
