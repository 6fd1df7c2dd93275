#include "mainwindow/FrameBands.h"

#include <gtest/gtest.h>

using FrameBands::CursorAt;
using FrameBands::HitCodeAt;

namespace {
constexpr int W = 1000, H = 700;

TEST(FrameBandsCursor, InsideIsDefaultAndBandsSizeAlongTheirEdge)
{
    EXPECT_EQ(CursorAt(W, H, 500, 300), Qt::ArrowCursor);
    EXPECT_EQ(CursorAt(W, H, 5, 5), Qt::ArrowCursor);
    EXPECT_EQ(CursorAt(W, H, 3, 300), Qt::SizeHorCursor);
    EXPECT_EQ(CursorAt(W, H, W - 3, 300), Qt::SizeHorCursor);
    EXPECT_EQ(CursorAt(W, H, W - 1, 300), Qt::SizeHorCursor);
    EXPECT_EQ(CursorAt(W, H, 500, 0), Qt::SizeVerCursor);
    EXPECT_EQ(CursorAt(W, H, 500, H - 3), Qt::SizeVerCursor);
}

TEST(FrameBandsCursor, FourPixelsInIsLeftAsItWas)
{
    EXPECT_EQ(CursorAt(W, H, 4, 300), std::nullopt);
    EXPECT_EQ(CursorAt(W, H, W - 4, 300), std::nullopt);
    EXPECT_EQ(CursorAt(W, H, 500, 4), std::nullopt);
    EXPECT_EQ(CursorAt(W, H, 500, H - 4), std::nullopt);
}

TEST(FrameBandsCursor, CornerSquaresOverrideTheSides)
{
    EXPECT_EQ(CursorAt(W, H, 0, 0), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorAt(W, H, 4, 4), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorAt(W, H, W - 4, 2), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorAt(W, H, 1, H - 4), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorAt(W, H, W - 1, H - 1), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorAt(W, H, 5, 2), Qt::SizeVerCursor);  // just outside the corner square
}

TEST(FrameBandsPress, BandsAndCorners)
{
    EXPECT_EQ(HitCodeAt(W, H, 500, 300), 0);
    EXPECT_EQ(HitCodeAt(W, H, 3, 300), HTLEFT);
    EXPECT_EQ(HitCodeAt(W, H, 4, 300), 0);
    EXPECT_EQ(HitCodeAt(W, H, W - 3, 300), HTRIGHT);
    EXPECT_EQ(HitCodeAt(W, H, W - 4, 300), 0);
    EXPECT_EQ(HitCodeAt(W, H, 500, 3), HTTOP);
    EXPECT_EQ(HitCodeAt(W, H, 500, 4), 0);
    // The bottom press band reaches one pixel further in than the bottom cursor band.
    EXPECT_EQ(HitCodeAt(W, H, 500, H - 4), HTBOTTOM);
    EXPECT_EQ(CursorAt(W, H, 500, H - 4), std::nullopt);
    EXPECT_EQ(HitCodeAt(W, H, 4, 4), HTTOPLEFT);
    EXPECT_EQ(HitCodeAt(W, H, W - 4, 0), HTTOPRIGHT);
    EXPECT_EQ(HitCodeAt(W, H, 0, H - 4), HTBOTTOMLEFT);
    EXPECT_EQ(HitCodeAt(W, H, W - 4, H - 4), HTBOTTOMRIGHT);
}

TEST(FrameBandsMaximize, FollowsTheTaskbarEdge)
{
    const WorkAreaRect area{0, 0, 1240, 800};
    EXPECT_EQ(FrameBands::MaximizedBounds(area, {AppBarData::Left, 0, 0, 40, 800}), QRect(40, 0, 1200, 800));
    const WorkAreaRect below{0, 30, 1280, 800};
    EXPECT_EQ(FrameBands::MaximizedBounds(below, {AppBarData::Top, 0, 0, 1280, 30}), QRect(0, 30, 1280, 770));
    EXPECT_EQ(FrameBands::MaximizedBounds(area, {AppBarData::Right, 1240, 0, 1280, 800}), QRect(0, 0, 1240, 800));
    const WorkAreaRect above{0, 0, 1280, 760};
    EXPECT_EQ(FrameBands::MaximizedBounds(above, {AppBarData::Bottom, 0, 760, 1280, 800}), QRect(0, 0, 1280, 760));
    // No taskbar: the zero-filled record reads as the left edge with an empty rectangle.
    EXPECT_EQ(FrameBands::MaximizedBounds(above, AppBarData{}), QRect(0, 0, 1280, 760));
    EXPECT_EQ(FrameBands::MaximizedBounds(above, {7, 0, 0, 0, 0}), std::nullopt);
}

TEST(FrameBandsRegion, OnlyTheCornersAreCut)
{
    const QRegion region = FrameBands::RoundRectRegion(101, 56, 6, 6);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(100, 0)));
    EXPECT_TRUE(region.contains(QPoint(3, 0)));
    EXPECT_TRUE(region.contains(QPoint(0, 3)));
    EXPECT_TRUE(region.contains(QPoint(50, 0)));
    EXPECT_TRUE(region.contains(QPoint(100, 30)));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 101, 56));
}

}  // namespace
