// The main window's definition: its components with their geometry, anchors and
// properties, the pictures that come with it, and the binding of events to handlers.
#include "mainwindow/TFormMain.h"

#include "browser/PlayerRequests.h"
#include "browser/PortalRetry.h"
#include "browser/TWebBrowser.h"
#include "dialogs/WaitingDialogs.h"
#include "framework/TAnchors.h"
#include "framework/TApplicationEvents.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "framework/TTimer.h"
#include "platform/DesktopNotificationIcon.h"
#include "skin/SkinDoubleSizePictures.h"
#include "skin/TbsResourceStrData.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinFormRegistry.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "skinframe/TbsSkinFrame.h"
#include "skinui/CellHeightFont.h"

#include <QPainter>
#include <functional>

namespace {
constexpr Qt::Edges TopRight = Qt::TopEdge | Qt::RightEdge;
constexpr Qt::Edges TopLeft = Qt::TopEdge | Qt::LeftEdge;

// A picture of the window's definition, with its double-size form "NAME@2x.EXT" beside it.
void ShowArtwork(TImage* image, const char* name)
{
    const QString path = QStringLiteral(":/artwork/") + QLatin1String(name);
    image->SetPicture(QImage(path), QImage(SkinDoubleSizePictures::FileName(path)));
}

TImage* Picture(QWidget* parent, const char* name, QRect geometry, Qt::Edges anchors)
{
    auto* image = new TImage(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(geometry);
    TAnchors::Set(image, anchors);
    return image;
}

// A title-bar button or portal link: sizes itself to its picture.
TImage* ButtonPicture(QWidget* parent, const char* name, QRect geometry, Qt::Edges anchors, const char* artwork,
                      bool handCursor)
{
    TImage* image = Picture(parent, name, geometry, anchors);
    image->SetAutoSize(true);
    ShowArtwork(image, artwork);
    if (handCursor)
        image->setCursor(Qt::PointingHandCursor);
    return image;
}
}  // namespace

void TFormMain::DefineLayout()
{
    setObjectName(QStringLiteral("FormMain"));
    TbsSkinFormRegistry::Instance().Register(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(923, 623);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    setFont(font);

    PanelMain = new TPanel(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    PanelMain->setGeometry(0, 0, 923, 623);
    PanelMain->SetColor(QColor(8, 135, 216));
    TAnchors::Set(PanelMain, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    connect(PanelMain, &TControl::OnMouseDown, this, &TFormMain::FormMouseDown);
    connect(PanelMain, &TControl::OnMouseMove, this, &TFormMain::FormMouseMove);

    DefineTitleBar();
    DefinePortalLinks();
    DefineTabs();
    DefineStatusStrip();
    DefineNonVisual();
    DefineComforts();

    // Only the panel's bands size the window. A control lying over the panel would take the
    // panel's cursor, so a sizing arrow set at a band would stay on it: each control shows
    // its own, the arrow unless it has another.
    for (QWidget* control : PanelMain->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->testAttribute(Qt::WA_SetCursor))
            control->setCursor(Qt::ArrowCursor);
}

void TFormMain::DefineTitleBar()
{
    ImageTitleRight = Picture(PanelMain, "ImageTitleRight", {531, 0, 392, 60}, TopRight);
    ImageTitleRight->SetStretch(true);
    ImageClose = ButtonPicture(PanelMain, "ImageClose", {896, 0, 27, 22}, TopRight, "close.jpg", false);
    ImageFeed = ButtonPicture(PanelMain, "ImageFeed", {772, 0, 38, 22}, TopRight, "feed.jpg", true);
    ImageMax = ButtonPicture(PanelMain, "ImageMax", {871, 0, 27, 22}, TopRight, "max.jpg", false);
    ImageMin = ButtonPicture(PanelMain, "ImageMin", {843, 0, 27, 22}, TopRight, "min.jpg", false);
    ImageSet = ButtonPicture(PanelMain, "ImageSet", {808, 0, 38, 22}, TopRight, "set.jpg", true);
    ImageTitle = Picture(PanelMain, "ImageTitle", {392, 0, 139, 60}, TopLeft | Qt::RightEdge);
    ImageTitle->SetStretch(true);
    ImageTitleLeft = Picture(PanelMain, "ImageTitleLeft", {5, 6, 392, 57}, TopLeft);
    ShowArtwork(ImageTitleLeft, "logo.png");

    for (TImage* title : {ImageTitleRight, ImageTitle, ImageTitleLeft}) {
        connect(title, &TControl::OnDblClick, this, &TFormMain::ImageMaxClick);
        connect(title, &TControl::OnMouseDown, this, &TFormMain::ImageTitleMouseDown);
        connect(title, &TControl::OnMouseMove, this, &TFormMain::ImageTitleRightMouseMove);
    }
    connect(ImageMax, &TControl::OnClick, this, &TFormMain::ImageMaxClick);
    connect(ImageMin, &TControl::OnClick, this, &TFormMain::ImageMinClick);
    connect(ImageSet, &TControl::OnClick, this, &TFormMain::MenuItemClearCacheClick);
    BindTitleBarButtons();
}

void TFormMain::DefinePortalLinks()
{
    Image1 = ButtonPicture(PanelMain, "Image1", {116, 2, 62, 22}, TopLeft, "recharge.png", true);
    ITgame = ButtonPicture(PanelMain, "ITgame", {193, 2, 62, 22}, TopLeft, "games.png", true);
    ITUser = ButtonPicture(PanelMain, "ITUser", {265, 3, 62, 22}, TopLeft, "user.png", true);
    ITLIBao = ButtonPicture(PanelMain, "ITLIBao", {337, 2, 62, 22}, TopLeft, "gift.png", true);
    ITKeFu = ButtonPicture(PanelMain, "ITKeFu", {412, 2, 62, 22}, TopLeft, "service.png", true);
    BindPortalLinks();
}

void TFormMain::DefineTabs()
{
    bsSkinPageControl = new TbsSkinPageControl(PanelMain);
    bsSkinPageControl->setObjectName(QStringLiteral("bsSkinPageControl"));
    bsSkinPageControl->setGeometry(4, 27, 915, 564);
    TAnchors::Set(bsSkinPageControl, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    bsSkinPageControl->SetOwnerDraw(true);
    bsSkinPageControl->SetTabWidth(143);
    bsSkinPageControl->SetTabHeight(30);
    bsSkinPageControl->SetTabsBGTransparent(true);
    bsSkinPageControl->SetTabMargin(0);
    bsSkinPageControl->SetTabSpacing(0);
    bsSkinPageControl->SetFreeOnClose(true);
    bsSkinPageControl->SetDefaultItemHeight(24);
    bsSkinPageControl->SetSkinDataName(QStringLiteral("tab"));
    const QFont tabFont = FontWithCellHeight(QStringLiteral("Arial"), 14);
    bsSkinPageControl->SetFont(tabFont);
    bsSkinPageControl->SetDefaultFont(tabFont);
    bsSkinPageControl->SetUseSkinFont(false);

    bsSkinPageControl->OnDrawSkinTab = std::bind_front(&TFormMain::bsSkinPageControlDrawSkinTab, this);
    connect(bsSkinPageControl, &TControl::OnMouseMove, this, &TFormMain::bsSkinPageControlMouseMove);
    connect(bsSkinPageControl, &TControl::OnMouseUp, this, &TFormMain::bsSkinPageControlMouseUp);

    bsSkinTabSheetMain = new TbsSkinTabSheet(bsSkinPageControl);
    bsSkinTabSheetMain->setObjectName(QStringLiteral("bsSkinTabSheetMain"));
    bsSkinTabSheetMain->SetPageControl(bsSkinPageControl);
    bsSkinTabSheetMain->SetCaption(QStringLiteral("Kestrune"));
    bsSkinPageControl->SetActivePage(bsSkinTabSheetMain);
}

void TFormMain::DefineMainBrowser()
{
    WebBrowser = new TWebBrowser(bsSkinTabSheetMain);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    BindBrowserEvents(WebBrowser);
    new PortalRetry(WebBrowser->page(), QUrl(portalBaseUrl_), *clock_);
    DefineDownloads();
}

void TFormMain::DefineStatusStrip()
{
    PanelBottom = new TPanel(PanelMain);
    PanelBottom->setObjectName(QStringLiteral("PanelBottom"));
    PanelBottom->setGeometry(5, 593, 914, 26);
    TAnchors::Set(PanelBottom, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    PanelBottom->SetColor(QColor(8, 135, 216));

    ImageToolRight = Picture(PanelBottom, "ImageToolRight", {295, -4, 619, 30}, Qt::RightEdge | Qt::BottomEdge);
    ShowArtwork(ImageToolRight, "toolright.jpg");
    connect(ImageToolRight, &TControl::OnMouseMove, this, &TFormMain::ImageToolRightMouseMove);
    connect(ImageToolRight, &TControl::OnMouseDown, this, &TFormMain::ImageToolRightMouseDown);
    ImageToolLeft = Picture(PanelBottom, "ImageToolLeft", {0, -4, 295, 30},
                            Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    ImageToolLeft->SetStretch(true);
    ShowArtwork(ImageToolLeft, "toolleft.jpg");

    LabelStatus = new TLabel(PanelBottom);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setGeometry(8, 4, 384, 12);
}

void TFormMain::DefineNonVisual()
{
    bsResourceStrData1 = new TbsResourceStrData(this);
    bsResourceStrData1->setObjectName(QStringLiteral("bsResourceStrData1"));
    bsResourceStrData1->SetResStrings(TbsResourceStrData::SystemStrings());

    bsSkinData1 = new TbsSkinData(this);
    bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
    bsSkinData1->SetRestoring(true);  // the definition's settings announce nothing
    bsSkinData1->SetSkinnableForm(true);
    bsSkinData1->SetAnimationForAllWindows(true);
    bsSkinData1->SetEnableSkinEffects(false);
    bsSkinData1->SetShowButtonGlowFrames(false);
    bsSkinData1->SetShowCaptionButtonGlowFrames(true);
    bsSkinData1->SetShowLayeredBorders(false);
    bsSkinData1->SetResourceStrData(bsResourceStrData1);
    bsSkinData1->SetRestoring(false);
    // The strip draws from the store once the store exists; it follows the store's loads.
    bsSkinPageControl->SetSkinData(bsSkinData1);

    // The window draws its own chrome and shape; its frame paints the client background, fades
    // the window in and offers Alt+Space.
    bsSkinFrame1 = new TbsSkinFrame(this, TFormBorderStyle::bsNone, &services_.Windows);
    bsSkinFrame1->setObjectName(QStringLiteral("bsSkinFrame1"));
    bsSkinFrame1->SetBorderIcons({});
    bsSkinFrame1->SetSkinData(bsSkinData1);

    TimerCloseTab = new TTimer(this);
    TimerCloseTab->setObjectName(QStringLiteral("TimerCloseTab"));
    TimerCloseTab->SetInterval(10);
    connect(TimerCloseTab, &TTimer::OnTimer, this, &TFormMain::TimerCloseTabTimer);

    if (!services_.Tray)
        ownTray_ = std::make_unique<DesktopNotificationIcon>();
    TrayIcon = services_.Tray ? services_.Tray : ownTray_.get();
    waiting_ = new WaitingDialogs(this);
    DefinePageServices();
    DefineTrayMenu();

    ApplicationEvents1 = new TApplicationEvents(this);
    ApplicationEvents1->setObjectName(QStringLiteral("ApplicationEvents1"));
    connect(ApplicationEvents1, &TApplicationEvents::OnException, this, &TFormMain::ApplicationEvents1Exception);
}

void TFormMain::BindBrowserEvents(TWebBrowser* browser)
{
    browser->OnBeforeNavigate2 = std::bind_front(&TFormMain::WebBrowserBeforeNavigate2, this);
    browser->OnNewWindow2 = std::bind_front(&TFormMain::WebBrowserNewWindow2, this);
    connect(browser, &TWebBrowser::OnTitleChange, this, &TFormMain::WebBrowserTitleChange);
    AttachComforts(browser);
    PageRequests().Attach(browser, browser == WebBrowser);
    AttachPageServices(browser);
}
