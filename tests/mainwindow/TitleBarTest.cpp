#include "support/MainWindowFixture.h"

#include "framework/TImage.h"
#include "framework/TTabSheet.h"
#include "platform/Global.h"
#include "platform/ResourceAccess.h"
#include "platform/TempDirectory.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

// The picture the pack holds under a name, decoded the way the handlers decode it.
QImage PackPicture(const char* name, const char* type)
{
    return *DecodeResourceImage(ResourcePackHandle, QLatin1String(name), QLatin1String(type));
}

// A pointer move over a control, delivered straight to it.
void Hover(QWidget* control, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &move);
}

using TitleBar = MainWindowFixture;

TEST_F(TitleBar, ButtonsShowTheirPackPicturesOnEveryEvent)
{
    ASSERT_NE(ResourcePackHandle, 0u);
    Hover(form->ImageClose, QPoint(5, 5));
    EXPECT_EQ(form->ImageClose->Picture(), PackPicture("CloseMove", "JPEG"));
    form->ImageClose->SetPicture(QImage());  // every move loads the hover picture again
    Hover(form->ImageClose, QPoint(6, 5));
    EXPECT_EQ(form->ImageClose->Picture(), PackPicture("CloseMove", "JPEG"));
    QTest::mousePress(form->ImageClose, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->ImageClose->Picture(), PackPicture("CloseDown", "JPEG"));
    QTest::mouseRelease(form->ImageClose, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->ImageClose->Picture(), PackPicture("Close", "JPEG"));
    EXPECT_TRUE(form->isVisible());  // a right click does not close

    QEvent leave(QEvent::Leave);
    form->ImageFeed->SetPicture(QImage());
    QCoreApplication::sendEvent(form->ImageFeed, &leave);
    EXPECT_EQ(form->ImageFeed->Picture(), PackPicture("Feed", "JPEG"));
}

TEST_F(TitleBar, MaximizeButtonPicturesFollowTheState)
{
    // Right after start-up the window is maximized: the first move shows the restore picture.
    Hover(form->ImageMax, QPoint(4, 4));
    EXPECT_EQ(form->ImageMax->Picture(), PackPicture("RestoreMove", "JPEG"));
    QTest::mouseClick(form->ImageMax, Qt::LeftButton, {}, QPoint(4, 4));  // restore
    EXPECT_EQ(form->Tag(), 0);
    EXPECT_EQ(form->ImageMax->Picture(), PackPicture("Max", "JPEG"));
    QTest::mouseClick(form->ImageMax, Qt::LeftButton, {}, QPoint(4, 4));  // maximize
    EXPECT_EQ(form->Tag(), 1);
    EXPECT_EQ(form->ImageMax->Picture(), PackPicture("Restore", "JPEG"));
}

TEST_F(TitleBar, LinksOpenTheirPagesOnAnyButton)
{
    TbsSkinPageControl* pages = form->bsSkinPageControl;
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(form->ITgame, &enter);
    EXPECT_EQ(form->ITgame->Picture(), PackPicture("YXM", "PNG"));
    QTest::mousePress(form->ITgame, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->ITgame->Picture(), PackPicture("YXD", "PNG"));
    ASSERT_EQ(pages->PageCount(), 2);
    QTest::mouseRelease(form->ITgame, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->ITgame->Picture(), PackPicture("YXM", "PNG"));
    QTest::mousePress(form->ITgame, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_TRUE(WaitFor([&] { return pages->Page(2)->Caption() == QStringLiteral("游戏列表"); }));

    QTest::mousePress(form->ITUser, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(form->ITLIBao, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(form->ITKeFu, Qt::MiddleButton, {}, QPoint(5, 5));
    ASSERT_EQ(pages->PageCount(), 6);
    EXPECT_TRUE(WaitFor([&] { return pages->Page(5)->Caption() == QStringLiteral("客服中心"); }));
    EXPECT_TRUE(WaitFor([&] { return pages->Page(4)->Caption() == QStringLiteral("礼包中心"); }));
    EXPECT_TRUE(WaitFor([&] { return pages->Page(3)->Caption() == QStringLiteral("用户中心"); }));
}

TEST_F(TitleBar, RechargeHandsThePayPageToTheDefaultBrowserEachTime)
{
    QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(browser.opened, QStringList(2, portal.Url(QStringLiteral("pay.html"))));
    EXPECT_EQ(form->Image1->Picture(), PackPicture("CDCHONG2", "PNG"));
    EXPECT_EQ(form->bsSkinPageControl->PageCount(), 1);
}

TEST_F(TitleBar, RefreshReloadsTheActiveTab)
{
    form->OpenTab(portal.Url(QStringLiteral("gift.html")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/gift.html")) == 1; }));
    ASSERT_TRUE(WaitFor([&] { return form->bsSkinPageControl->Page(1)->Caption() == QStringLiteral("礼包中心"); }));
    QTest::mouseClick(form->ImageFeed, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/gift.html")) == 2; }));
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/")), 1);
}

TEST_F(TitleBar, CloseButtonClosesTheWindow)
{
    QTest::mouseClick(form->ImageClose, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form->isVisible());
}

// The end of the desktop session closes the window as its close button does, with the window
// hidden in the tray and a tab still loading, without asking; the client ends with it.
TEST_F(TitleBar, TheEndOfTheSessionClosesTheWindowWhateverItShows)
{
    QSignalSpy closed(form.get(), &TFormMain::Closed);
    form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    form->hide();
    form->SessionEnding();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
    const QWidgetList shown = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(shown.begin(), shown.end(), [](QWidget* window) { return window->isVisible(); }))
        << "no dialog asks anything";
}

TEST_F(TitleBar, StartUpLoadsTheSkinAndLeavesNoPackageFileBehind)
{
    EXPECT_FALSE(form->bsSkinData1->IsEmpty());
    EXPECT_FALSE(TempDirectory.isEmpty());
    EXPECT_FALSE(QFile::exists(TempDirectory + QStringLiteral("Skin.skn")));
}

// Without a resource pack the client still shows its portal: maximized, navigated and
// registered; the skin's failure is reported and the pictures keep the window's own.
class WithoutPack : public MainWindowFixture {
protected:
    void SetUp() override
    {
        testing::internal::CaptureStderr();
        MainWindowFixture::SetUp();
        errors = testing::internal::GetCapturedStderr();
    }
    QString PackDirectory() const override { return QStringLiteral("/nonexistent/"); }
    std::string errors;
};

TEST_F(WithoutPack, TheClientStillStartsWhole)
{
    EXPECT_EQ(ResourcePackHandle, 0u);
    EXPECT_NE(errors.find("Cannot open file"), std::string::npos);
    EXPECT_TRUE(form->bsSkinData1->IsEmpty());
    EXPECT_EQ(form->Tag(), 1);
    ASSERT_NE(form->Tabs().FindTab(1), nullptr);
    EXPECT_TRUE(WaitFor([&] { return form->bsSkinTabSheetMain->Caption() == QStringLiteral("Kestrune 游戏大厅"); }));

    const QImage before = form->ImageClose->Picture();
    Hover(form->ImageClose, QPoint(5, 5));
    EXPECT_EQ(form->ImageClose->Picture(), before);
    QTest::mousePress(form->ITgame, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->bsSkinPageControl->PageCount(), 2);
}

}  // namespace

