#include "skinui/SkinRect.h"
#include "skinui/SkinResizeMode.h"
#include "SkinPixelTestSupport.h"

#include <gtest/gtest.h>

namespace {

NinePieceGeometry Points(QPoint rt, QPoint lb, QPoint rb)
{
    NinePieceGeometry g;
    g.lt = QPoint(2, 2);
    g.rt = rt;
    g.lb = lb;
    g.rb = rb;
    g.clRect = SkinRect(2, 2, 8, 6);
    return g;
}

} // namespace

TEST(SkinResizeMode, ModeFollowsTheCornerPoints)
{
    const QRect skin = SkinRect(0, 0, 10, 8);
    EXPECT_EQ(ResizeModeOf(QRect(), Points({8, 2}, {2, 6}, {8, 6})), TbsResizeMode::None);
    EXPECT_EQ(ResizeModeOf(skin, Points({8, 2}, {2, 6}, {8, 6})), TbsResizeMode::Both);
    EXPECT_EQ(ResizeModeOf(skin, Points({8, 0}, {2, 6}, {8, 0})), TbsResizeMode::Horizontal);
    EXPECT_EQ(ResizeModeOf(skin, Points({0, 0}, {0, 6}, {0, 6})), TbsResizeMode::Vertical);
    EXPECT_EQ(ResizeModeOf(skin, Points({0, 0}, {0, 0}, {0, 0})), TbsResizeMode::Fixed);

    const QSize s(10, 8);
    EXPECT_EQ(SizeUnderRule(TbsResizeMode::Fixed, s, QSize(40, 30)), s);
    EXPECT_EQ(SizeUnderRule(TbsResizeMode::Horizontal, s, QSize(40, 30)), QSize(40, 8));
    EXPECT_EQ(SizeUnderRule(TbsResizeMode::Vertical, s, QSize(40, 30)), QSize(10, 30));
    EXPECT_EQ(SizeUnderRule(TbsResizeMode::Both, s, QSize(40, 30)), QSize(40, 30));
}

TEST(SkinResizeMode, ImagesByMode)
{
    const QImage picture = CoordinateImage(20, 12);
    const QRect skin = SkinRect(4, 2, 14, 10); // 10 x 8
    QImage image;

    BuildResizedImage(image, picture, skin, Points({0, 0}, {0, 0}, {0, 0}), {},
                      MiddleStretchType::Whole, QSize(30, 30));
    EXPECT_EQ(FirstMismatch(image, [](int x, int y) { return QPoint(4 + x, 2 + y); }), "");

    // Horizontal: 2 columns kept on the left (left-top X), 10 - 7 = 3 on the right.
    BuildResizedImage(image, picture, skin, Points({7, 0}, {0, 0}, {0, 0}), {},
                      MiddleStretchType::Whole, QSize(16, 8));
    EXPECT_EQ(FirstMismatch(image,
                            [](int x, int y) {
                                return QPoint(4 + (x < 2 ? x : x >= 13 ? x - 6 : 2 + (x - 2) % 5), 2 + y);
                            }),
              "");

    // Vertical: 2 rows on top (left-top Y), 8 - 5 = 3 at the bottom, middle stretched 3 -> 6.
    BuildResizedImage(image, picture, skin, Points({0, 0}, {0, 5}, {0, 0}),
                      NinePieceOption::StretchMiddle, MiddleStretchType::Whole, QSize(10, 11));
    EXPECT_EQ(FirstMismatch(image,
                            [](int x, int y) {
                                return QPoint(4 + x, 2 + (y < 2 ? y : y >= 8 ? y - 3 : 2 + (y - 2) / 2));
                            }),
              "");

    BuildResizedImage(image, picture, QRect(), Points({0, 0}, {0, 0}, {0, 0}), {},
                      MiddleStretchType::Whole, QSize(10, 10));
    EXPECT_TRUE(image.isNull());
}
