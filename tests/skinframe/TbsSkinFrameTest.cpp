#include "FrameFixture.h"
#include "ShownFrameObjects.h"

#include "skin/TbsSkinMessageEvent.h"
#include "skinframe/FrameHitTest.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skinui/SkinRect.h"

#include <QApplication>
#include <QSignalSpy>

namespace {

// Points of a 400 x 300 form in the shipped skin.
const QPoint kCaption(200, 12);
const QPoint kClient(200, 150);

}  // namespace

TEST(TbsSkinFrame, TheFormGetsTheFramesBordersShapeAndObjects)
{
    FramedForm f;
    LoadDefaultSkin(f.store);
    ASSERT_TRUE(f.frame->SkinLoaded());
    EXPECT_TRUE(f.form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(f.form->contentsMargins(), QMargins(4, 28, 4, 4));
    EXPECT_FALSE(f.form->mask().contains(QPoint(0, 0))) << "the mask cuts the rounded corner";
    EXPECT_TRUE(f.form->mask().contains(QPoint(0, 20)));
    EXPECT_TRUE(f.form->mask().contains(QPoint(399, 299)));
    EXPECT_EQ(f.Object("closebutton").ObjectRect, SkinRect(377, 5, 395, 23)) << "at the caption's right end";
    EXPECT_EQ(f.Object("sysmenubutton").ObjectRect, SkinRect(5, 5, 23, 23));
    EXPECT_EQ(f.Object("caption").ObjectRect, SkinRect(23, 0, 377, 28));

    f.form->resize(600, 200);
    f.form->show();
    EXPECT_EQ(f.Object("closebutton").ObjectRect, SkinRect(577, 5, 595, 23)) << "follows the width";
    EXPECT_EQ(f.frame->HitTest({300, 12}), HTCAPTION);
    EXPECT_TRUE(f.form->mask().contains(QPoint(599, 199)));
    EXPECT_FALSE(f.form->mask().contains(QPoint(599, 0)));
}

// The message box offers the system menu, the cache cleaner nothing: each shows only the
// buttons it offers, in the shipped skin and in the default frame.
TEST(TbsSkinFrame, BorderIconsDecideWhichCaptionButtonsShow)
{
    FramedForm box(biSystemMenu, TFormBorderStyle::bsDialog);
    LoadDefaultSkin(box.store);
    EXPECT_EQ(ShownFrameObjects(*box.frame), (QStringList{"caption", "closebutton", "sysmenubutton"}));
    FramedForm cleaner({}, TFormBorderStyle::bsSizeable);
    LoadDefaultSkin(cleaner.store);
    EXPECT_EQ(ShownFrameObjects(*cleaner.frame), (QStringList{"caption", "closebutton"}));
    EXPECT_EQ(cleaner.Object("caption").ObjectRect.left(), 5) << "no menu button before it";

    FramedForm plain(biSystemMenu | biMaximize);
    QStringList commands;
    for (const TbsActiveSkinObject& object : plain.frame->Objects())
        commands << QString::number(int(object.Command));
    EXPECT_EQ(commands, (QStringList{"0", "1", "3"})) << "close, maximize, system menu";
    EXPECT_EQ(plain.form->contentsMargins(), QMargins(3, 22, 3, 3));
    EXPECT_EQ(plain.frame->Objects()[0].ObjectRect, SkinRect(379, 4, 396, 21));

    // Hiding the caption buttons leaves only what the frame picture itself shows.
    box.frame->SetHideCaptionButtons(true);
    EXPECT_EQ(ShownFrameObjects(*box.frame), QStringList{"caption"});
}

TEST(TbsSkinFrame, ADialogNarrowerThanTheFramePictureIsWidenedWhenTheSkinComes)
{
    FramedForm f(biSystemMenu, TFormBorderStyle::bsDialog);
    f.form->resize(100, 20);
    EXPECT_EQ(f.form->size(), QSize(120, 25)) << "the default frame's minimum";
    LoadDefaultSkin(f.store);
    EXPECT_EQ(f.form->size(), QSize(160, 32)) << "formminwidth, and the frame's borders";
    EXPECT_EQ(f.form->minimumSize(), QSize(160, 32));
    EXPECT_EQ(f.form->maximumSize(), QSize(1280, 760)) << "the work area of the form's screen";

    TbsSkinData wide;
    LoadCraftedSkin(wide, SkinTest::Solid(220, 60, 0xFF336699), {}, {},
                    {"[FORMINFO]", "clientrect=4,20,216,56", "lefttoppoint=10,20", "righttoppoint=210,20",
                     "leftbottompoint=10,56", "rightbottompoint=210,56"});
    f.frame->SetSkinData(&wide);
    EXPECT_EQ(f.form->width(), 220) << "no formminwidth: the picture's width";
    f.frame->SetSizeLimits(300, 100, 640, 480);
    EXPECT_EQ(f.form->minimumSize(), QSize(300, 100));
    EXPECT_EQ(f.form->maximumSize(), QSize(640, 480));
}

TEST(TbsSkinFrame, WindowCommandsMaximizeRestoreRollUpAndMinimize)
{
    QWidget mainForm;  // the application's main form comes first
    TbsSkinFormRegistry::Instance().Register(&mainForm);
    FramedForm f(biSystemMenu | biMaximize | biMinimize | biRollUp);
    LoadDefaultSkin(f.store);
    f.windows.screenWorkArea = QRect(1280, 0, 1024, 740);  // the form's screen is the second one
    f.windows.screen = QRect(1280, 0, 1024, 768);
    const QRect normal = f.form->geometry();
    QSignalSpy maximized(f.frame, &TbsSkinFrame::OnMaximize);

    f.frame->MaximizeWindow();
    EXPECT_EQ(f.form->geometry(), QRect(1280, 0, 1024, 740));
    EXPECT_EQ(f.frame->WindowState(), TbsFrameWindowState::Maximized);
    EXPECT_EQ(maximized.count(), 1);
    EXPECT_EQ(f.frame->HitTest({1, 100}), HTOBJECT) << "no sizing while maximized";
    f.frame->RestoreWindow();
    EXPECT_EQ(f.form->geometry(), normal);

    f.windows.screenWorkArea = f.windows.screen;
    f.frame->MaximizeWindow();
    EXPECT_EQ(f.form->geometry(), QRect(1281, 1, 1022, 766)) << "one pixel in from a screen without panels";
    f.frame->RestoreWindow();

    f.frame->RollUpWindow();
    EXPECT_TRUE(f.frame->RollUpState());
    EXPECT_EQ(f.form->geometry(), QRect(normal.topLeft(), QSize(400, 32)));
    EXPECT_EQ(f.frame->HitTest({1, 20}), HTOBJECT) << "no sizing while rolled up";
    f.frame->RollUpWindow();
    EXPECT_EQ(f.form->geometry(), normal);

    f.frame->MinimizeWindow();
    EXPECT_EQ(f.frame->WindowState(), TbsFrameWindowState::Minimized);
    EXPECT_EQ(f.form->size(), QSize(160, 32));
    EXPECT_FALSE(f.form->isMinimized()) << "a form other than the main one keeps its window";
    f.frame->RestoreWindow();
    EXPECT_EQ(f.form->geometry(), normal);
}

TEST(TbsSkinFrame, CaptionDoubleClickMaximizesOnlyWhereTheFormOffersIt)
{
    FramedForm cleaner{TbsBorderIcons()};
    LoadDefaultSkin(cleaner.store);
    cleaner.Show();
    const QRect before = cleaner.form->geometry();
    QTest::mouseDClick(cleaner.form.get(), Qt::LeftButton, {}, kCaption);
    EXPECT_EQ(cleaner.form->geometry(), before);
    EXPECT_EQ(cleaner.frame->WindowState(), TbsFrameWindowState::Normal);
    EXPECT_FALSE(cleaner.frame->RollUpState());

    FramedForm sizable(biSystemMenu | biMaximize);
    LoadDefaultSkin(sizable.store);
    sizable.Show();
    QTest::mouseDClick(sizable.form.get(), Qt::LeftButton, {}, kCaption);
    EXPECT_EQ(sizable.frame->WindowState(), TbsFrameWindowState::Maximized);
    EXPECT_EQ(sizable.form->geometry(), sizable.windows.screenWorkArea);
}

TEST(TbsSkinFrame, PressesOnTheFrameMoveAndSizeThroughTheWindowManager)
{
    FramedForm f;
    LoadDefaultSkin(f.store);
    f.Show();
    QTest::mouseMove(f.form.get(), {1, 150});
    EXPECT_EQ(f.form->cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, {1, 150});
    QTest::mouseRelease(f.form.get(), Qt::LeftButton, {}, {1, 150});
    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, {399, 299});
    QTest::mouseRelease(f.form.get(), Qt::LeftButton, {}, {399, 299});
    EXPECT_EQ(f.windows.drags, (std::vector<int>{HTLEFT, HTBOTTOMRIGHT}));

    // The caption moves the window once the pointer has moved with the button down.
    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, kCaption);
    EXPECT_EQ(f.windows.drags.size(), 2u);
    QTest::mouseMove(f.form.get(), kCaption + QPoint(20, 0));
    EXPECT_EQ(f.windows.drags.back(), HTCAPTION);
    QTest::mouseRelease(f.form.get(), Qt::LeftButton, {}, kCaption + QPoint(20, 0));

    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, kClient);
    QTest::mouseRelease(f.form.get(), Qt::LeftButton, {}, kClient);
    EXPECT_EQ(f.windows.drags.size(), 3u) << "the client area starts nothing";

    f.frame->MaximizeWindow();
    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, kCaption);
    QTest::mouseMove(f.form.get(), kCaption + QPoint(30, 5));
    QTest::mouseRelease(f.form.get(), Qt::LeftButton, {}, kCaption + QPoint(30, 5));
    EXPECT_EQ(f.windows.drags.size(), 3u) << "a maximized form does not move";
    QTest::mouseMove(f.form.get(), kClient);
    EXPECT_EQ(f.form->cursor().shape(), Qt::ArrowCursor);
}

TEST(TbsSkinFrame, CaptionButtonsActOnAReleaseOverThemselves)
{
    FramedForm f;
    LoadDefaultSkin(f.store);
    f.Show();
    const QPoint close = f.Object("closebutton").ObjectRect.center();

    QTest::mouseMove(f.form.get(), close);
    EXPECT_TRUE(f.Object("closebutton").MouseIn);
    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, close);
    const QImage pressed = f.Grab();
    EXPECT_EQ(pressed.pixel(close.x() - 8, close.y() - 8), qRgb(0x96, 0x32, 0x28)) << "the pressed look";
    QTest::mouseMove(f.form.get(), kCaption);
    EXPECT_FALSE(f.Object("closebutton").MouseIn);
    QTest::mouseRelease(f.form.get(), Qt::LeftButton, {}, kCaption);
    QApplication::processEvents();
    EXPECT_TRUE(f.form->isVisible()) << "released elsewhere: nothing";

    QTest::mouseMove(f.form.get(), close + QPoint(1, 1));
    EXPECT_EQ(f.Grab().pixel(close.x() - 8, close.y() - 8), qRgb(0xE0, 0x4A, 0x3C)) << "the hot look";
    QTest::mouseClick(f.form.get(), Qt::LeftButton, {}, close);
    EXPECT_TRUE(WaitForHidden(*f.form));
}

// The first click opens the system menu; the second, within the double-click time, closes
// the form rather than only the menu.
TEST(TbsSkinFrame, DoubleClickOnTheSystemMenuButtonClosesTheForm)
{
    FramedForm f;
    LoadDefaultSkin(f.store);
    f.Show();
    QTest::mouseDClick(f.form.get(), Qt::LeftButton, {}, f.Object("sysmenubutton").ObjectRect.center());
    EXPECT_TRUE(WaitForHidden(*f.form));
    EXPECT_FALSE(f.frame->SkinMenu()->Visible());
}

// The default frame's to-tray button hides the form behind the tray icon; a double click on
// the icon brings it back. Without an icon the button does nothing.
TEST(TbsSkinFrame, ToTrayHidesTheFormUntilTheIconIsDoubleClicked)
{
    FramedForm f(biSystemMenu | biMinimizeToTray);
    f.Show();
    const TbsActiveSkinObject* button = nullptr;
    for (const TbsActiveSkinObject& object : f.frame->Objects())
        if (object.Command == TbsSkinCommand::MinimizeToTray)
            button = &object;
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(f.form.get(), Qt::LeftButton, {}, button->ObjectRect.center());
    EXPECT_TRUE(f.form->isVisible()) << "no tray icon";

    FakeNotificationIcon tray;
    f.frame->SetTrayIcon(&tray);
    QTest::mouseClick(f.form.get(), Qt::LeftButton, {}, button->ObjectRect.center() + QPoint(1, 0));
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_TRUE(tray.shown);
    Q_EMIT tray.OnDblClick(&tray);
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_FALSE(tray.shown);
}

// Handlers may rebuild the frame's objects (other border icons do) while the frame walks them
// or between a press and its command: the frame looks every object up again after a handler.
TEST(TbsSkinFrame, HandlersThatRebuildTheObjectsLeaveNothingDangling)
{
    FramedForm f(biSystemMenu);
    int asked = 0;
    f.frame->OnActivateCustomObject = [&](const QString&, bool& active) {
        active = true;
        if (++asked == 1)
            f.frame->SetBorderIcons(biSystemMenu | biMinimize);
    };
    using namespace SkinTest;
    LoadCraftedSkin(f.store, Solid(100, 80, qRgb(40, 40, 40)), {}, {},
                    {"[FORMINFO]", "lefttoppoint=12,24", "righttoppoint=88,24", "leftbottompoint=12,64",
                     "rightbottompoint=88,64", "clientrect=6,24,94,74", "captionrect=6,7,94,17", "[SKINOBJECTS]",
                     "count=2", "0=close:stdbutton", "1=custom:stdbutton", "[close]", "command=cmclose",
                     "skinrect=70,7,80,17", "[custom]", "command=cmdefault", "skinrect=50,7,60,17"});
    EXPECT_EQ(ShownFrameObjects(*f.frame), (QStringList{"close", "custom"}));
    EXPECT_EQ(f.frame->BorderIcons(), biSystemMenu | biMinimize);
    f.Show();
    QObject::connect(f.frame, &TbsSkinFrame::OnMouseEnterEvent, f.frame,
                     [&] { f.frame->SetBorderIcons(biSystemMenu | biMaximize); });
    QObject::connect(f.frame, &TbsSkinFrame::OnMouseUpEvent, f.frame, [&] { f.frame->SetBorderIcons(biSystemMenu); });
    const QPoint close = f.Object("close").ObjectRect.center();
    QTest::mouseMove(f.form.get(), close);
    QTest::mouseClick(f.form.get(), Qt::LeftButton, {}, close);
    EXPECT_TRUE(WaitForHidden(*f.form)) << "the button's command ran all the same";
}
