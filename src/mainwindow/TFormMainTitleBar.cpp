// The title-bar buttons and portal links of the main window. Every mouse event loads its
// picture from the resource pack anew; a picture missing from the pack raises and ends
// the handler (a link then opens nothing, a button's click still acts).
#include "mainwindow/TFormMain.h"

#include "browser/TWebBrowser.h"
#include "framework/TImage.h"
#include "platform/DefaultBrowser.h"
#include "platform/ResourcePack.h"

namespace {
const QString Jpeg = QStringLiteral("JPEG");
const QString Png = QStringLiteral("PNG");
}  // namespace

void TFormMain::BindTitleBarButtons()
{
    connect(ImageClose, &TControl::OnMouseDown, this, &TFormMain::ImageCloseMouseDown);
    connect(ImageClose, &TControl::OnMouseMove, this, &TFormMain::ImageCloseMouseMove);
    connect(ImageClose, &TControl::OnMouseLeave, this, &TFormMain::ImageCloseMouseLeave);
    connect(ImageClose, &TControl::OnMouseUp, this, &TFormMain::ImageCloseMouseUp);
    connect(ImageClose, &TControl::OnClick, this, &TFormMain::ImageCloseClick);
    connect(ImageMax, &TControl::OnMouseDown, this, &TFormMain::ImageMaxMouseDown);
    connect(ImageMax, &TControl::OnMouseMove, this, &TFormMain::ImageMaxMouseMove);
    connect(ImageMax, &TControl::OnMouseLeave, this, &TFormMain::ImageMaxMouseLeave);
    connect(ImageMax, &TControl::OnMouseUp, this, &TFormMain::ImageMaxMouseUp);
    connect(ImageMin, &TControl::OnMouseDown, this, &TFormMain::ImageMinMouseDown);
    connect(ImageMin, &TControl::OnMouseMove, this, &TFormMain::ImageMinMouseMove);
    connect(ImageMin, &TControl::OnMouseLeave, this, &TFormMain::ImageMinMouseLeave);
    connect(ImageMin, &TControl::OnMouseUp, this, &TFormMain::ImageMinMouseUp);
    connect(ImageSet, &TControl::OnMouseDown, this, &TFormMain::ImageSetMouseDown);
    connect(ImageSet, &TControl::OnMouseMove, this, &TFormMain::ImageSetMouseMove);
    connect(ImageSet, &TControl::OnMouseLeave, this, &TFormMain::ImageSetMouseLeave);
    connect(ImageSet, &TControl::OnMouseUp, this, &TFormMain::ImageSetMouseUp);
    connect(ImageFeed, &TControl::OnMouseDown, this, &TFormMain::ImageFeedMouseDown);
    connect(ImageFeed, &TControl::OnMouseMove, this, &TFormMain::ImageFeedMouseMove);
    connect(ImageFeed, &TControl::OnMouseLeave, this, &TFormMain::ImageFeedMouseLeave);
    connect(ImageFeed, &TControl::OnMouseUp, this, &TFormMain::ImageFeedMouseUp);
    connect(ImageFeed, &TControl::OnClick, this, &TFormMain::ImageFeedClick);
}

void TFormMain::BindPortalLinks()
{
    connect(Image1, &TControl::OnMouseEnter, this, &TFormMain::Image1MouseEnter);
    connect(Image1, &TControl::OnMouseLeave, this, &TFormMain::Image1MouseLeave);
    connect(Image1, &TControl::OnMouseDown, this, &TFormMain::Image1MouseDown);
    connect(Image1, &TControl::OnMouseUp, this, &TFormMain::Image1MouseUp);
    connect(ITgame, &TControl::OnMouseEnter, this, &TFormMain::ITgameMouseEnter);
    connect(ITgame, &TControl::OnMouseLeave, this, &TFormMain::ITgameMouseLeave);
    connect(ITgame, &TControl::OnMouseDown, this, &TFormMain::ITgameMouseDown);
    connect(ITgame, &TControl::OnMouseUp, this, &TFormMain::ITgameMouseUp);
    connect(ITUser, &TControl::OnMouseEnter, this, &TFormMain::ITUserMouseEnter);
    connect(ITUser, &TControl::OnMouseLeave, this, &TFormMain::ITUserMouseLeave);
    connect(ITUser, &TControl::OnMouseDown, this, &TFormMain::ITUserMouseDown);
    connect(ITUser, &TControl::OnMouseUp, this, &TFormMain::ITUserMouseUp);
    connect(ITLIBao, &TControl::OnMouseEnter, this, &TFormMain::ITLIBaoMouseEnter);
    connect(ITLIBao, &TControl::OnMouseLeave, this, &TFormMain::ITLIBaoMouseLeave);
    connect(ITLIBao, &TControl::OnMouseDown, this, &TFormMain::ITLIBaoMouseDown);
    connect(ITLIBao, &TControl::OnMouseUp, this, &TFormMain::ITLIBaoMouseUp);
    connect(ITKeFu, &TControl::OnMouseEnter, this, &TFormMain::ITKeFuMouseEnter);
    connect(ITKeFu, &TControl::OnMouseLeave, this, &TFormMain::ITKeFuMouseLeave);
    connect(ITKeFu, &TControl::OnMouseDown, this, &TFormMain::ITKeFuMouseDown);
    connect(ITKeFu, &TControl::OnMouseUp, this, &TFormMain::ITKeFuMouseUp);
}

// ---- Title-bar buttons ----

void TFormMain::ImageCloseMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageClose, QStringLiteral("CloseDown"), Jpeg); }
void TFormMain::ImageCloseMouseMove(QObject*, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageClose, QStringLiteral("CloseMove"), Jpeg); }
void TFormMain::ImageCloseMouseLeave(QObject*) { LoadPackImage(*ImageClose, QStringLiteral("Close"), Jpeg); }
void TFormMain::ImageCloseMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageClose, QStringLiteral("Close"), Jpeg); }

void TFormMain::ImageCloseClick(QObject*)
{
    close();
}

QString TFormMain::MaxPicture(const char* suffix) const
{
    return (tag_ == 0 ? QStringLiteral("Max") : QStringLiteral("Restore")) + QLatin1String(suffix);
}

void TFormMain::ImageMaxMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageMax, MaxPicture("Down"), Jpeg); }
void TFormMain::ImageMaxMouseMove(QObject*, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageMax, MaxPicture("Move"), Jpeg); }
void TFormMain::ImageMaxMouseLeave(QObject*) { LoadPackImage(*ImageMax, MaxPicture(""), Jpeg); }
void TFormMain::ImageMaxMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageMax, MaxPicture(""), Jpeg); }

void TFormMain::ImageMinMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageMin, QStringLiteral("MinDown"), Jpeg); }
void TFormMain::ImageMinMouseMove(QObject*, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageMin, QStringLiteral("MinMove"), Jpeg); }
void TFormMain::ImageMinMouseLeave(QObject*) { LoadPackImage(*ImageMin, QStringLiteral("Min"), Jpeg); }
void TFormMain::ImageMinMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageMin, QStringLiteral("Min"), Jpeg); }

void TFormMain::ImageSetMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageSet, QStringLiteral("SetDown"), Jpeg); }
void TFormMain::ImageSetMouseMove(QObject*, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageSet, QStringLiteral("SetMove"), Jpeg); }
void TFormMain::ImageSetMouseLeave(QObject*) { LoadPackImage(*ImageSet, QStringLiteral("Set"), Jpeg); }
void TFormMain::ImageSetMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageSet, QStringLiteral("Set"), Jpeg); }

void TFormMain::ImageFeedMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageFeed, QStringLiteral("FeedDown"), Jpeg); }
void TFormMain::ImageFeedMouseMove(QObject*, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageFeed, QStringLiteral("FeedMove"), Jpeg); }
void TFormMain::ImageFeedMouseLeave(QObject*) { LoadPackImage(*ImageFeed, QStringLiteral("Feed"), Jpeg); }
void TFormMain::ImageFeedMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ImageFeed, QStringLiteral("Feed"), Jpeg); }

void TFormMain::ImageFeedClick(QObject*)
{
    if (TWebBrowser* browser = ActiveBrowser())
        browser->Refresh();
}

// ---- Portal links ----

void TFormMain::OpenPayPage()
{
    services_.Browser.Open(portalBaseUrl_ + QStringLiteral("pay.html"));
}

void TFormMain::Image1MouseEnter(QObject*) { LoadPackImage(*Image1, QStringLiteral("CMCHONG2"), Png); }
void TFormMain::Image1MouseLeave(QObject*) { LoadPackImage(*Image1, QStringLiteral("CNCHONG2"), Png); }
void TFormMain::Image1MouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*Image1, QStringLiteral("CMCHONG2"), Png); }
void TFormMain::Image1MouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    LoadPackImage(*Image1, QStringLiteral("CDCHONG2"), Png);
    OpenPayPage();
}

void TFormMain::ITgameMouseEnter(QObject*) { LoadPackImage(*ITgame, QStringLiteral("YXM"), Png); }
void TFormMain::ITgameMouseLeave(QObject*) { LoadPackImage(*ITgame, QStringLiteral("YXN"), Png); }
void TFormMain::ITgameMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ITgame, QStringLiteral("YXM"), Png); }
void TFormMain::ITgameMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    LoadPackImage(*ITgame, QStringLiteral("YXD"), Png);
    OpenTab(portalBaseUrl_ + QStringLiteral("games.html"), nullptr);
}

void TFormMain::ITUserMouseEnter(QObject*) { LoadPackImage(*ITUser, QStringLiteral("YHM"), Png); }
void TFormMain::ITUserMouseLeave(QObject*) { LoadPackImage(*ITUser, QStringLiteral("YHN"), Png); }
void TFormMain::ITUserMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ITUser, QStringLiteral("YHM"), Png); }
void TFormMain::ITUserMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    LoadPackImage(*ITUser, QStringLiteral("YHD"), Png);
    OpenTab(portalBaseUrl_ + QStringLiteral("user.html"), nullptr);
}

void TFormMain::ITLIBaoMouseEnter(QObject*) { LoadPackImage(*ITLIBao, QStringLiteral("LBM"), Png); }
void TFormMain::ITLIBaoMouseLeave(QObject*) { LoadPackImage(*ITLIBao, QStringLiteral("LBN"), Png); }
void TFormMain::ITLIBaoMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ITLIBao, QStringLiteral("LBM"), Png); }
void TFormMain::ITLIBaoMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    LoadPackImage(*ITLIBao, QStringLiteral("LBD"), Png);
    OpenTab(portalBaseUrl_ + QStringLiteral("gift.html"), nullptr);
}

void TFormMain::ITKeFuMouseEnter(QObject*) { LoadPackImage(*ITKeFu, QStringLiteral("KFM"), Png); }
void TFormMain::ITKeFuMouseLeave(QObject*) { LoadPackImage(*ITKeFu, QStringLiteral("KFN"), Png); }
void TFormMain::ITKeFuMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { LoadPackImage(*ITKeFu, QStringLiteral("KFM"), Png); }
void TFormMain::ITKeFuMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    LoadPackImage(*ITKeFu, QStringLiteral("KFD"), Png);
    OpenTab(portalBaseUrl_ + QStringLiteral("service.html"), nullptr);
}
