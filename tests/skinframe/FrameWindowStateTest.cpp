#include "skinframe/FrameWindowState.h"

#include "support/FakeNotificationIcon.h"
#include "support/FakeWindowManager.h"

#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A form 400 x 300 at (100, 100) under a chrome whose smallest size is 160 x 40.
struct StatefulForm {
    QWidget form;
    FakeWindowManager windows;
    FrameWindowSettings settings;
    FrameWindowState state{&form, windows, [this] { return settings; }};

    StatefulForm()
    {
        settings.size.minWidth = 160;
        settings.size.skinned = true;
        settings.size.picture = QSize(160, 90);
        settings.size.clientRect = QRect(4, 28, 152, 58);  // borders 4, caption 28
        settings.rollUpOffered = true;
        form.setGeometry(100, 100, 400, 300);
    }
};

TEST(FrameWindowState, MaximizeAndRestoreKeepTheBoundsAndFollowTheWorkArea)
{
    StatefulForm f;
    QSignalSpy maximized(&f.state, &FrameWindowState::Maximized);
    f.state.Maximize();
    EXPECT_EQ(f.state.State(), TbsFrameWindowState::Maximized);
    EXPECT_EQ(f.form.geometry(), f.windows.screenWorkArea);
    EXPECT_EQ(f.state.NormalBounds(), QRect(100, 100, 400, 300));
    EXPECT_EQ(maximized.size(), 1);
    f.state.Restore();
    EXPECT_EQ(f.form.geometry(), QRect(100, 100, 400, 300));
    EXPECT_TRUE(f.state.NormalBounds().isEmpty());

    // A work area as large as the screen leaves a pixel free on each side.
    f.windows.screenWorkArea = f.windows.screen;
    f.settings.maximizeOnFullScreen = true;
    f.state.RunCommand(TbsSkinCommand::Maximize);
    EXPECT_EQ(f.form.geometry(), f.windows.screen.adjusted(1, 1, -1, -1));
    f.state.RunCommand(TbsSkinCommand::Maximize);
    EXPECT_EQ(f.state.State(), TbsFrameWindowState::Normal) << "the button restores a maximized form";
}

TEST(FrameWindowState, RollUpKeepsTheCaptionAndRollsBackToTheHeightItHad)
{
    StatefulForm f;
    f.state.ApplySizeLimits();
    f.state.RollUp();
    EXPECT_TRUE(f.state.RolledUp());
    EXPECT_EQ(f.form.size(), QSize(400, 32)) << "caption and bottom border";
    f.state.RollUp();
    EXPECT_EQ(f.form.size(), QSize(400, 300));
    f.settings.unrolledHeight = 120;
    f.state.RollUp();
    f.state.RollUp();
    EXPECT_EQ(f.form.height(), 120) << "a client height sets the height it rolls down to";
    f.settings.rollUpOffered = false;
    f.state.RollUp();
    EXPECT_FALSE(f.state.RolledUp()) << "only with its border icon";
}

TEST(FrameWindowState, MinimizeShrinksAFormOfItsOwnAndHidesToTheTrayWhereAsked)
{
    StatefulForm f;
    f.state.Minimize();
    EXPECT_EQ(f.state.State(), TbsFrameWindowState::Minimized);
    EXPECT_EQ(f.form.size(), QSize(160, 32));
    f.state.RunSystemMenuCommand(SystemMenuCommand::Restore);
    EXPECT_EQ(f.form.geometry(), QRect(100, 100, 400, 300));

    FakeNotificationIcon tray;
    f.settings.tray = &tray;
    f.settings.alwaysMinimizeToTray = true;
    f.form.show();
    f.state.Minimize();
    EXPECT_FALSE(f.form.isVisible());
    EXPECT_TRUE(tray.shown);
    f.state.RestoreFromTray();
    EXPECT_TRUE(f.form.isVisible());
    EXPECT_FALSE(tray.shown) << "unless it is always shown";
}

TEST(FrameWindowState, ACaptionDoubleClickMaximizesOnlyWhereTheFormOffersIt)
{
    StatefulForm f;
    f.state.CaptionDoubleClick(true, true);
    EXPECT_EQ(f.state.State(), TbsFrameWindowState::Maximized);
    f.state.CaptionDoubleClick(true, true);
    EXPECT_EQ(f.state.State(), TbsFrameWindowState::Normal);
    f.state.CaptionDoubleClick(false, true);
    EXPECT_TRUE(f.state.RolledUp()) << "a form that cannot be sized rolls up";
}

}  // namespace
