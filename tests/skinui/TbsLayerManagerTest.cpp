#include "skinui/TbsLayerManager.h"
#include "skinui/TbsLayerWindow.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage Solid(QRgb color)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

TEST(TbsLayerManager, ShowFadesInToTheEndAlphaAndStops)
{
    TbsLayerManager manager(nullptr, true);
    manager.Show(40, 30, Solid(qRgb(200, 10, 10)), Solid(qRgb(255, 255, 255)), 100);
    ASSERT_NE(manager.Window(), nullptr);
    TbsLayerWindow* window = manager.Window();
    EXPECT_TRUE(manager.IsVisible());
    EXPECT_TRUE(manager.IsFading());
    EXPECT_EQ(manager.Alpha(), 0);
    EXPECT_EQ(manager.Step(), 10);
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 0.0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), QRect(40, 30, 8, 6));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_EQ(window->Picture().pixel(3, 3), qRgba(200, 10, 10, 255));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.IsFading(); }, 5000));
    EXPECT_EQ(manager.Alpha(), 100);
    EXPECT_NEAR(window->windowOpacity(), 100 / 255.0, 0.01);
    EXPECT_TRUE(manager.IsVisible());

    manager.Hide();
    EXPECT_EQ(manager.Window(), nullptr);
    EXPECT_FALSE(manager.IsVisible());
    EXPECT_FALSE(manager.IsFading());
}

TEST(TbsLayerManager, SmallEndAlphaStillCompletesAndShowRestarts)
{
    TbsLayerManager manager(nullptr, true);
    manager.SetTopMost(false);
    manager.Show(0, 0, Solid(qRgb(1, 2, 3)), Solid(qRgb(0, 0, 0)), 5);
    EXPECT_EQ(manager.Step(), 1);
    EXPECT_FALSE(manager.Window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(qAlpha(manager.Window()->Picture().pixel(0, 0)), 0); // black mask: transparent
    ASSERT_TRUE(QTest::qWaitFor([&] { return !manager.IsFading(); }, 5000));
    EXPECT_EQ(manager.Alpha(), 5);

    manager.Show(5, 6, Solid(qRgb(1, 2, 3)), Solid(qRgb(255, 255, 255)), 255);
    EXPECT_EQ(manager.Alpha(), 0);
    EXPECT_TRUE(manager.IsFading());
    EXPECT_EQ(manager.Step(), 25);
    EXPECT_EQ(manager.Window()->pos(), QPoint(5, 6));
}

TEST(TbsLayerManager, WithoutLayeredWindowsNothingIsShown)
{
    TbsLayerManager manager(nullptr, false);
    manager.Show(0, 0, Solid(qRgb(1, 2, 3)), Solid(qRgb(255, 255, 255)), 200);
    EXPECT_EQ(manager.Window(), nullptr);
    EXPECT_FALSE(manager.IsVisible());
    EXPECT_FALSE(manager.IsFading());
}
