#include "skinui/PieceStripImage.h"
#include "skinui/SkinRect.h"
#include "SkinPixelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 10 x 6 part at (1, 2) of the picture.
const QRect kSource = SkinRect(1, 2, 11, 8);

} // namespace

TEST(PieceStripImage, HorizontalKeepsTheEndsAndTilesOrStretchesTheMiddle)
{
    const QImage picture = CoordinateImage(14, 10);
    QImage tiled;
    BuildHorizontalPieceImage(2, 3, tiled, picture, kSource, 23, false);
    ASSERT_EQ(tiled.size(), QSize(23, 6));
    EXPECT_EQ(FirstMismatch(tiled,
                            [](int x, int y) {
                                const int sx = x < 2 ? x : x >= 20 ? x - 13 : 2 + (x - 2) % 5;
                                return QPoint(1 + sx, 2 + y);
                            }),
              "");

    QImage stretched;
    BuildHorizontalPieceImage(2, 3, stretched, picture, kSource, 15, true); // middle 5 -> 10
    EXPECT_EQ(FirstMismatch(stretched,
                            [](int x, int y) {
                                const int sx = x < 2 ? x : x >= 12 ? x - 5 : 2 + (x - 2) / 2;
                                return QPoint(1 + sx, 2 + y);
                            }),
              "");
}

TEST(PieceStripImage, HorizontalTakesAZeroWidthMiddleAsOneColumn)
{
    QImage image;
    BuildHorizontalPieceImage(4, 6, image, CoordinateImage(14, 10), kSource, 20, false);
    EXPECT_EQ(FirstMismatch(image,
                            [](int x, int y) {
                                const int sx = x < 4 ? x : x >= 14 ? x - 10 : 4;
                                return QPoint(1 + sx, 2 + y);
                            }),
              "");
}

TEST(PieceStripImage, VerticalTilesTheMiddleAndDrawsNoZeroHeightMiddle)
{
    const QImage picture = CoordinateImage(14, 10);
    QImage tiled;
    BuildVerticalPieceImage(1, 2, tiled, picture, kSource, 14, false);
    ASSERT_EQ(tiled.size(), QSize(10, 14));
    EXPECT_EQ(FirstMismatch(tiled,
                            [](int x, int y) {
                                const int sy = y < 1 ? y : y >= 12 ? y - 8 : 1 + (y - 1) % 3;
                                return QPoint(1 + x, 2 + sy);
                            }),
              "");

    for (const bool stretch : {false, true}) {
        QImage gap;
        BuildVerticalPieceImage(2, 4, gap, picture, kSource, 12, stretch);
        EXPECT_EQ(FirstMismatch(gap,
                                [](int x, int y) {
                                    if (y < 2)
                                        return QPoint(1 + x, 2 + y);
                                    if (y >= 8)
                                        return QPoint(1 + x, 2 + y - 6);
                                    return QPoint(-1, -1);
                                }),
                  "");
    }
}
