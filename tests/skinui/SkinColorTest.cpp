#include "skinui/SkinColor.h"
#include "skinui/MonitorWorkArea.h"
#include "skinui/CompositingProbe.h"
#include "skinui/TbsPlatformCaps.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <QScreen>
#include <gtest/gtest.h>

#include "support/Wait.h"
#include "support/XvfbSession.h"

TEST(SkinColor, PlainAndSystemColours)
{
    EXPECT_EQ(SkinColorToQColor(0x00332211u), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(QColorToSkinColor(QColor(0x11, 0x22, 0x33)), 0x00332211u);
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(SkinColorToQColor(0xFF00000Fu), palette.color(QPalette::Button));
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClBtnText), palette.color(QPalette::ButtonText));
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClBtnShadow), palette.color(QPalette::Dark));
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClBtnHighlight), palette.color(QPalette::Light));
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClWindow), palette.color(QPalette::Base));
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClWindowText), palette.color(QPalette::Text));
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClHighlight), palette.color(QPalette::Highlight));
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClHighlightText), palette.color(QPalette::HighlightedText));
    EXPECT_EQ(SkinColorToQColor(0xFF000063u), QColor(0, 0, 0));
}

TEST(SkinColor, SystemColoursFollowTheApplicationPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    QApplication::setPalette(palette);
    EXPECT_EQ(SkinColorToQColor(SkinColor::kClBtnFace), QColor(1, 2, 3));
    QApplication::setPalette(saved);
}

TEST(SkinColor, DarkenColorReducesEachChannelByItsPercentage)
{
    EXPECT_EQ(DarkenColor(QColor(200, 100, 50), 30), QColor(140, 70, 35));
    EXPECT_EQ(DarkenColor(QColor(55, 1, 255), 50), QColor(27, 0, 127)); // 27.5 and 0.5 round up
    EXPECT_EQ(DarkenColor(QColor(10, 20, 30), 0), QColor(10, 20, 30));
    EXPECT_EQ(DarkenColor(QColor(10, 20, 30), 150), QColor(0, 0, 0));
}

TEST(PlatformProbes, CompositingWindowSystemsHaveTranslucentWindowsAndOnlyX11SetsOpacity)
{
    EXPECT_FALSE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("wayland-egl"), true).screenPositions);
    EXPECT_TRUE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("xcb"), false).screenPositions);
    EXPECT_TRUE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("wayland-egl"), false).translucentWindows);
    EXPECT_FALSE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("wayland"), true).layeredWindows);
    EXPECT_TRUE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("xcb"), true).layeredWindows);
    EXPECT_TRUE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("xcb"), true).translucentWindows);
    EXPECT_FALSE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("xcb"), false).layeredWindows);
    EXPECT_FALSE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("xcb"), false).translucentWindows);
    EXPECT_FALSE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("linuxfb"), true).layeredWindows);
    EXPECT_FALSE(TbsPlatformCaps::ForWindowSystem(QStringLiteral("offscreen"), true).layeredWindows);
    EXPECT_FALSE(CompositingManagerPresent()) << "the offscreen platform";
    EXPECT_EQ(PlatformCaps().windowSystem, QGuiApplication::platformName());
    EXPECT_TRUE(PlatformCaps().Describe().startsWith(QStringLiteral("window system: ")
                                                     + QGuiApplication::platformName()));
}

TEST(PlatformProbes, MonitorWorkAreaIsTheNearestScreens)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    QWidget window;
    window.setGeometry(QRect(screen->geometry().center(), QSize(10, 10)));
    EXPECT_EQ(GetMonitorWorkArea(&window, true), screen->availableGeometry());
    EXPECT_EQ(GetMonitorWorkArea(&window, false), screen->geometry());
    EXPECT_EQ(GetMonitorWorkArea(nullptr, false), screen->geometry());
}

// An X server's compositing manager is seen while it runs and not before or after.
TEST(PlatformProbes, CompositingManagerIsTheOwnerOfItsSelection)
{
    XvfbSession display(XvfbSession::Tray::None);
    ASSERT_TRUE(display.Ready()) << display.Error().toStdString();
    const QByteArray name = display.Display().toLatin1();
    EXPECT_FALSE(CompositingSelectionOwned(name));
    ASSERT_TRUE(display.StartCompositor()) << display.Error().toStdString();
    EXPECT_TRUE(CompositingSelectionOwned(name));
    EXPECT_TRUE(CompositingSelectionOwned(name + ".0"));
    display.StopCompositor();
    EXPECT_TRUE(WaitFor([&] { return !CompositingSelectionOwned(name); }, 5000));
    EXPECT_FALSE(CompositingSelectionOwned(QByteArrayLiteral(":9999"))) << "no server there";
}
