#include "skinui/FrameStrips.h"
#include "skinui/SkinRect.h"
#include "SkinPixelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 20 x 16 frame picture: borders 3 left, 4 top, 4 right, 4 bottom. The top side runs from
// x 5 to 14, the left side from y 6 to 10 (so the left strip has a 2-row upper end, rows 4..6,
// and a 2-row lower end, rows 10..12).
NinePieceGeometry FrameGeometry()
{
    NinePieceGeometry g;
    g.clRect = SkinRect(3, 4, 16, 12);
    g.lt = QPoint(5, 6);
    g.rt = QPoint(14, 6);
    g.lb = QPoint(5, 10);
    g.rb = QPoint(14, 10);
    return g;
}

const QSize kPictureSize(20, 16);

FrameStripImages Frame(const QSize& window, NinePieceOptions options)
{
    const NinePieceGeometry g = FrameGeometry();
    FrameStripImages strips;
    BuildFrameStrips(strips, CoordinateImage(20, 16), QRect(QPoint(0, 0), kPictureSize), g,
                     g.GrownTo(kPictureSize, window), window, options);
    return strips;
}

const NinePieceOptions kSidesStretched = NinePieceOption::StretchLeft | NinePieceOption::StretchTop
    | NinePieceOption::StretchRight | NinePieceOption::StretchBottom;

QPoint Identity(int x, int y)
{
    return QPoint(x, y);
}

} // namespace

TEST(FrameStrips, WindowOfThePictureSizeCutsThePictureExactlyWhenStretched)
{
    const FrameStripImages s = Frame(kPictureSize, kSidesStretched);
    ASSERT_EQ(s.top.size(), QSize(20, 4));
    ASSERT_EQ(s.bottom.size(), QSize(20, 4));
    ASSERT_EQ(s.left.size(), QSize(3, 8));
    ASSERT_EQ(s.right.size(), QSize(4, 8));
    EXPECT_EQ(FirstMismatch(s.top, Identity), "");
    EXPECT_EQ(FirstMismatch(s.bottom, [](int x, int y) { return QPoint(x, 12 + y); }), "");
    EXPECT_EQ(FirstMismatch(s.left, [](int x, int y) { return QPoint(x, 4 + y); }), "");
    EXPECT_EQ(FirstMismatch(s.right, [](int x, int y) { return QPoint(16 + x, 4 + y); }), "");
}

TEST(FrameStrips, TiledSidesStartAtTheStripStartEvenAtThePictureSize)
{
    const FrameStripImages s = Frame(kPictureSize, {});
    EXPECT_EQ(FirstMismatch(s.top,
                            [](int x, int y) { return QPoint(x < 5 || x >= 14 ? x : 5 + x % 9, y); }),
              "");
    EXPECT_EQ(FirstMismatch(s.left,
                            [](int x, int y) {
                                return QPoint(x, y < 2 ? 4 + y : y >= 6 ? 4 + y : 6 + y % 4);
                            }),
              "");
}

TEST(FrameStrips, LargerWindowTilesFromTheStripStartAndKeepsTheEnds)
{
    const FrameStripImages s = Frame(QSize(31, 23), {}); // dW 11, dH 7
    ASSERT_EQ(s.top.size(), QSize(31, 4));
    // The top side tiles from x = 0 (period 9); the corners then cover 0..5 and 25..31.
    EXPECT_EQ(FirstMismatch(s.top,
                            [](int x, int y) {
                                return QPoint(x < 5 ? x : x >= 25 ? x - 11 : 5 + x % 9, y);
                            }),
              "");
    ASSERT_EQ(s.left.size(), QSize(3, 15));
    EXPECT_EQ(FirstMismatch(s.left,
                            [](int x, int y) {
                                return QPoint(x, y < 2 ? 4 + y : y >= 13 ? 10 + y - 13 : 6 + y % 4);
                            }),
              "");
    ASSERT_EQ(s.right.size(), QSize(4, 15));
    EXPECT_EQ(FirstMismatch(s.right,
                            [](int x, int y) {
                                return QPoint(16 + x, y < 2 ? 4 + y : y >= 13 ? 10 + y - 13 : 6 + y % 4);
                            }),
              "");
    ASSERT_EQ(s.bottom.size(), QSize(31, 4));
    EXPECT_EQ(FirstMismatch(s.bottom,
                            [](int x, int y) {
                                return QPoint(x < 5 ? x : x >= 25 ? x - 11 : 5 + x % 9, 12 + y);
                            }),
              "");
}

TEST(FrameStrips, LargerWindowStretchesSidesBetweenTheEnds)
{
    const FrameStripImages s = Frame(QSize(29, 20), kSidesStretched); // top side 9 -> 18, left 4 -> 8
    EXPECT_EQ(FirstMismatch(s.top,
                            [](int x, int y) {
                                return QPoint(x < 5 ? x : x >= 23 ? x - 9 : 5 + (x - 5) / 2, y);
                            }),
              "");
    ASSERT_EQ(s.left.size(), QSize(3, 12));
    EXPECT_EQ(FirstMismatch(s.left,
                            [](int x, int y) {
                                return QPoint(x, y < 2 ? 4 + y : y >= 10 ? y : 6 + (y - 2) / 2);
                            }),
              "");
}

TEST(FrameStrips, StripsWithoutSizeOrSideAreLeftAlone)
{
    NinePieceGeometry g = FrameGeometry();
    g.rt.setX(g.lt.x()); // no top side
    FrameStripImages strips;
    strips.top = QImage(1, 1, QImage::Format_RGB32);
    strips.top.fill(Qt::red);
    BuildFrameStrips(strips, CoordinateImage(20, 16), QRect(0, 0, 20, 16), g, g, kPictureSize, {});
    EXPECT_EQ(strips.top.size(), QSize(1, 1));
    EXPECT_EQ(strips.top.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(strips.bottom.size(), QSize(20, 4));
}

TEST(MaskStrips, EqualAndLargerWindows)
{
    const NinePieceGeometry g = FrameGeometry(); // clRect is the mask rectangle
    const QImage mask = CoordinateImage(20, 16);
    FrameStripImages same;
    BuildMaskStrips(same, mask, g, g, 20);
    // Top and bottom tile from the side start and so reproduce the mask; the sides tile from
    // the strip's first row.
    EXPECT_EQ(FirstMismatch(same.top, Identity), "");
    EXPECT_EQ(FirstMismatch(same.bottom, [](int x, int y) { return QPoint(x, 12 + y); }), "");
    const auto side = [](int y) { return y < 2 || y >= 6 ? 4 + y : 6 + y % 4; };
    EXPECT_EQ(FirstMismatch(same.left, [&](int x, int y) { return QPoint(x, side(y)); }), "");
    EXPECT_EQ(FirstMismatch(same.right, [&](int x, int y) { return QPoint(16 + x, side(y)); }), "");

    FrameStripImages larger;
    BuildMaskStrips(larger, mask, g, g.GrownTo(QSize(20, 16), QSize(31, 23)), 31);
    // Top and bottom tile from the new side start, the right corner moves with the width.
    ASSERT_EQ(larger.top.size(), QSize(31, 4));
    EXPECT_EQ(FirstMismatch(larger.top,
                            [](int x, int y) {
                                return QPoint(x < 5 ? x : x >= 25 ? x - 11 : 5 + (x - 5) % 9, y);
                            }),
              "");
    ASSERT_EQ(larger.bottom.size(), QSize(31, 4));
    ASSERT_EQ(larger.left.size(), QSize(3, 15));
    EXPECT_EQ(FirstMismatch(larger.left,
                            [](int x, int y) {
                                return QPoint(x, y < 2 ? 4 + y : y >= 13 ? 10 + y - 13 : 6 + y % 4);
                            }),
              "");
    ASSERT_EQ(larger.right.size(), QSize(4, 15));
}
