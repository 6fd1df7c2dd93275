#include "support/MainWindowFixture.h"

#include "framework/TImage.h"
#include "framework/TPanel.h"
#include "framework/TTabSheet.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "skinframe/TbsSkinFrame.h"

#include <QTest>

namespace {

using FormMainCreation = MainWindowFixture;

TEST_F(FormMainCreation, StartsMaximizedToTheWorkAreaWithItsSizeLimits)
{
    EXPECT_EQ(form->Tag(), 1);
    EXPECT_EQ(form->minimumSize(), QSize(810, 610));
    EXPECT_EQ(form->geometry(), QRect(0, 0, 1280, 760));  // taskbar at the bottom
    EXPECT_EQ(form->windowTitle(), QStringLiteral("VostrelKestrune"));
    EXPECT_EQ(form->bsSkinPageControl->TabsOffset(), 90);
    // The page control keeps its distances to the window's edges: 4, 27, 4 and 32.
    EXPECT_EQ(form->bsSkinPageControl->geometry(), QRect(4, 27, 1280 - 8, 760 - 59));
}

TEST_F(FormMainCreation, TheTabStripIsDrawnFromTheLoadedSkinAndLetsTheLogoShow)
{
    TbsSkinPageControl* strip = form->bsSkinPageControl;
    EXPECT_EQ(strip->SkinData(), form->bsSkinData1);
    EXPECT_TRUE(strip->Skin().valid) << "the skin loaded at start-up reached the strip";
    EXPECT_TRUE(strip->FreeOnClose());
    EXPECT_EQ(strip->TabMargin(), 0);
    EXPECT_EQ(strip->TabSpacing(), 0);
    EXPECT_EQ(strip->DefaultItemHeight(), 24);

    // Left of the first tab the strip shows the window behind it, the logo's lower half included.
    const QRect empty(5, 27, 85, 30);
    const QImage shown = form->grab(empty).toImage();
    strip->hide();
    const QImage behind = form->grab(empty).toImage();
    strip->show();
    EXPECT_EQ(shown, behind);
    int logo = 0;
    for (int y = 0; y < behind.height(); ++y)
        for (int x = 0; x < behind.width(); ++x)
            logo += behind.pixel(x, y) != qRgb(8, 135, 216) ? 1 : 0;
    EXPECT_GT(logo, 50) << "the logo reaches into the strip";
}

TEST_F(FormMainCreation, RegistersTheMainTabAndFollowsTheHomePageTitle)
{
    TTabRecord* main = form->Tabs().FindTab(1);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->Browser, form->WebBrowser);
    EXPECT_EQ(main->Sheet, form->bsSkinTabSheetMain);
    EXPECT_EQ(form->Tabs().Registry()->IndexOf(QStringLiteral("1")), 0);
    EXPECT_EQ(form->WebBrowser->Tag(), 1);
    EXPECT_EQ(form->bsSkinTabSheetMain->Tag(), 1);
    EXPECT_EQ(form->bsSkinTabSheetMain->Caption(), QStringLiteral("Kestrune"));
    EXPECT_TRUE(WaitFor([&] { return form->bsSkinTabSheetMain->Caption() == QStringLiteral("Kestrune 游戏大厅"); }));
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/")), 1);
}

TEST_F(FormMainCreation, ShapeRoundsTheTopCornersOnly)
{
    const QRegion shape = form->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(form->width() - 1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(0, form->height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(form->width() - 1, form->height() - 1)));
}

// The window's skinned frame draws no chrome: the window keeps its own shape, margins and
// size limits, with the skin loaded.
TEST_F(FormMainCreation, ItsSkinFrameLeavesTheChromeToTheWindow)
{
    ASSERT_NE(form->bsSkinFrame1, nullptr);
    EXPECT_EQ(form->bsSkinFrame1->SkinData(), form->bsSkinData1);
    EXPECT_EQ(form->bsSkinFrame1->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(form->bsSkinFrame1->BorderIcons(), TbsBorderIcons());
    EXPECT_TRUE(form->bsSkinFrame1->SkinLoaded());
    EXPECT_TRUE(form->bsSkinFrame1->Objects().empty());
    EXPECT_EQ(form->contentsMargins(), QMargins());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(FormMainCreation, ShowsItsIconAndHintInTheTrayUntilItCloses)
{
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.hint, QStringLiteral("VostrelKestrune"));
    EXPECT_FALSE(tray.icon.isNull());
    form.reset();
    EXPECT_FALSE(tray.shown);
}

// A desktop without a notification area.
class FormMainWithoutTray : public MainWindowFixture {
protected:
    void SetUp() override
    {
        tray.hostAvailable = false;
        testing::internal::CaptureStderr();
        MainWindowFixture::SetUp();
        errors = testing::internal::GetCapturedStderr();
    }
    std::string errors;
};

TEST_F(FormMainWithoutTray, ReportsTheMissingTrayAndStartsAnyway)
{
    EXPECT_NE(errors.find("Cannot create shell notification icon"), std::string::npos);
    EXPECT_TRUE(tray.shown) << "shown all the same: the icon waits for a notification area to start";
    EXPECT_EQ(form->Tag(), 1) << "the creation went on to maximize the window";
    EXPECT_EQ(form->Tabs().FindTab(1)->Browser, form->WebBrowser) << "and to file the main tab";
}

using FormMainGeometry = MainWindowFixture;

TEST_F(FormMainGeometry, MaximizeAndRestoreReturnToTheSavedBoundsAfterAMove)
{
    form->ImageMaxClick(nullptr);  // restore to the centred design size
    EXPECT_EQ(form->Tag(), 0);
    const QRect normal = form->geometry();
    EXPECT_EQ(normal.size(), QSize(923, 623));

    form->ImageMaxClick(nullptr);
    EXPECT_EQ(form->Tag(), 1);
    form->move(40, 30);  // dragged while maximized: still counts as maximized
    form->ImageMaxClick(nullptr);
    EXPECT_EQ(form->Tag(), 0);
    EXPECT_EQ(form->geometry(), normal);
}

TEST_F(FormMainGeometry, MaximizeFollowsTheTaskbarOnEachEdge)
{
    form->ImageMaxClick(nullptr);
    windows.workArea = {60, 0, 1280, 800};
    windows.taskbar = {AppBarData::Left, 0, 0, 60, 800};
    form->ImageMaxClick(nullptr);
    EXPECT_EQ(form->geometry(), QRect(60, 0, 1220, 800));

    form->ImageMaxClick(nullptr);
    windows.workArea = {0, 40, 1280, 800};
    windows.taskbar = {AppBarData::Top, 0, 0, 1280, 40};
    form->ImageMaxClick(nullptr);
    EXPECT_EQ(form->geometry(), QRect(0, 40, 1280, 760));

    form->ImageMaxClick(nullptr);
    windows.workArea = {0, 0, 1200, 800};
    windows.taskbar = {AppBarData::Right, 1200, 0, 1280, 800};
    form->ImageMaxClick(nullptr);
    EXPECT_EQ(form->geometry(), QRect(0, 0, 1200, 800));
}

TEST_F(FormMainGeometry, MaximizeNeverGoesBelowTheMinimumSize)
{
    form->ImageMaxClick(nullptr);
    windows.workArea = {0, 0, 640, 480};
    windows.taskbar = AppBarData{};
    form->ImageMaxClick(nullptr);
    EXPECT_EQ(form->size(), QSize(810, 610));
}

TEST_F(FormMainGeometry, PressesOnTheBandsStartSystemResizes)
{
    const int w = form->width(), h = form->height();
    QTest::mousePress(form->PanelMain, Qt::RightButton, {}, QPoint(2, h / 2));
    QTest::mousePress(form->PanelMain, Qt::LeftButton, {}, QPoint(w - 2, h - 2));
    QTest::mousePress(form->PanelMain, Qt::LeftButton, {}, QPoint(w / 2, h - 4));
    QTest::mousePress(form->PanelMain, Qt::LeftButton, {}, QPoint(300, h / 2 + 200));  // under nothing: no band
    EXPECT_EQ(windows.drags, (std::vector<int>{HTLEFT, HTBOTTOMRIGHT, HTBOTTOM}));
}

// The status strip's grip is a sizing handle from the bottom right corner; the rest of the
// strip is not.
TEST_F(FormMainGeometry, TheStatusStripsGripSizesTheWindow)
{
    TImage* strip = form->ImageToolRight;
    const QPoint grip(strip->width() - 6, strip->height() - 6), beside(strip->width() - 40, strip->height() - 6);
    QTest::mouseMove(strip, grip);
    EXPECT_EQ(strip->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(strip, beside);
    EXPECT_EQ(strip->cursor().shape(), Qt::ArrowCursor);
    QTest::mousePress(strip, Qt::LeftButton, {}, beside);
    QTest::mousePress(strip, Qt::LeftButton, {}, grip);
    EXPECT_EQ(windows.drags, std::vector<int>{HTBOTTOMRIGHT});
}

TEST_F(FormMainGeometry, TitlePicturesMoveTheWindowAndRestoreTheCursor)
{
    QTest::mousePress(form->ImageTitle, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(windows.drags, std::vector<int>{HTCAPTION});

    QTest::mouseMove(form->PanelMain, QPoint(1, form->height() / 2));
    EXPECT_EQ(form->PanelMain->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(form->ImageTitleLeft, QPoint(20, 20));
    EXPECT_EQ(form->PanelMain->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FormMainGeometry, DoubleClickOnATitlePictureTogglesLikeTheButton)
{
    QTest::mouseDClick(form->ImageTitleRight, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->Tag(), 0);
    QTest::mouseDClick(form->ImageTitle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->Tag(), 1);
}

TEST_F(FormMainGeometry, ADoubleClickOnATitleBarPictureIsOneClickOfIt)
{
    // As the window system delivers it: press, release, double click, release.
    QTest::mouseClick(form->ImageMax, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(form->ImageMax, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(form->ImageMax, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->Tag(), 0);
    EXPECT_EQ(form->geometry(), form->NormalBounds());
}

TEST_F(FormMainGeometry, OnlyTheBandsShowSizingArrows)
{
    QTest::mouseMove(form->PanelMain, QPoint(form->width() / 2, form->height() - 2));
    ASSERT_EQ(form->PanelMain->cursor().shape(), Qt::SizeVerCursor);
    // Whatever the panel shows, the controls over it keep their own cursor.
    for (QWidget* control : std::initializer_list<QWidget*>{
             form->PanelBottom, form->ImageToolLeft, form->ImageToolRight, form->bsSkinPageControl,
             form->bsSkinTabSheetMain, form->ImageClose, form->ImageMax, form->ImageMin, form->ImageTitle,
             form->ImageTitleLeft, form->ImageTitleRight})
        EXPECT_EQ(control->cursor().shape(), Qt::ArrowCursor) << control->objectName().toStdString();
    for (QWidget* link : std::initializer_list<QWidget*>{form->ITgame, form->ImageFeed, form->ImageSet})
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << link->objectName().toStdString();
}

}  // namespace
