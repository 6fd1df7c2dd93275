#include "skinui/NinePieceImage.h"
#include "skinui/PiecePainter.h"
#include "skinui/SkinRect.h"
#include "SkinPixelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 12 x 10 skin rectangle at (3, 2) of a larger picture: borders 3 left, 2 top, 4 right,
// 3 bottom around a 5 x 5 middle; the corner points sit on the client rectangle's corners.
const QRect kSource = SkinRect(3, 2, 15, 12);

NinePieceGeometry GridGeometry()
{
    return NinePieceGeometry::AtClientCorners(SkinRect(3, 2, 8, 7));
}

const NinePieceOptions kAllStretched = NinePieceOption::DrawClient | NinePieceOption::StretchLeft
    | NinePieceOption::StretchTop | NinePieceOption::StretchRight | NinePieceOption::StretchBottom
    | NinePieceOption::StretchMiddle;

int Stretched(int d, int head, int piece, int sourceLength, int destLength)
{
    const int span = destLength - (sourceLength - piece);
    if (d < head || d >= head + span)
        return Tiled(d, head, piece, sourceLength, destLength);
    return head + Nearest(d - head, piece, span);
}

QImage Build(const QImage& picture, const NinePieceGeometry& g, const QSize& size,
             NinePieceOptions options, MiddleStretchType type = MiddleStretchType::Whole)
{
    QImage destination;
    BuildNinePieceImage(destination, picture, kSource, g, g.GrownTo(kSource.size(), size), size,
                        options, type);
    return destination;
}

QPoint FromSource(int x, int y)
{
    return QPoint(kSource.x() + x, kSource.y() + y);
}

} // namespace

TEST(NinePieceImage, SourceSizeReproducesTheSourceRectangle)
{
    const QImage picture = CoordinateImage(24, 20);
    NinePieceGeometry offGrid = GridGeometry();
    offGrid.lt = QPoint(4, 3);
    offGrid.rt = QPoint(9, 3);
    offGrid.lb = QPoint(5, 6);
    offGrid.rb = QPoint(7, 5);
    for (const NinePieceGeometry& g : {GridGeometry(), offGrid})
        for (const NinePieceOptions options : {NinePieceOptions(NinePieceOption::DrawClient), kAllStretched}) {
            const QImage image = Build(picture, g, kSource.size(), options);
            ASSERT_EQ(image.size(), kSource.size());
            EXPECT_EQ(FirstMismatch(image, FromSource), "");
        }
}

TEST(NinePieceImage, TiledSidesAndMiddleEndFlushWithTheCorners)
{
    const QImage picture = CoordinateImage(24, 20);
    // 17 x 13 middles are not multiples of the 5 x 5 pieces; 15 x 10 are, and then the middle
    // must still leave the borders alone.
    for (const QSize size : {QSize(24, 18), QSize(22, 15)}) {
        const QImage image = Build(picture, GridGeometry(), size, NinePieceOption::DrawClient);
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(FirstMismatch(image,
                                [&](int x, int y) {
                                    return FromSource(Tiled(x, 3, 5, 12, size.width()),
                                                      Tiled(y, 2, 5, 10, size.height()));
                                }),
                  "")
            << size.width() << "x" << size.height();
    }
}

TEST(NinePieceImage, StretchedSidesAndMiddleScaleWithoutSmoothing)
{
    const QImage picture = CoordinateImage(24, 20);
    const QSize size(17, 15); // middle 10 x 10: every piece pixel doubled
    const auto doubled = [](int x, int y) {
        return FromSource(Stretched(x, 3, 5, 12, 17), Stretched(y, 2, 5, 10, 15));
    };
    EXPECT_EQ(FirstMismatch(Build(picture, GridGeometry(), size, kAllStretched), doubled), "");

    // The stretched-image entry point builds the same at the destination's current size.
    QImage image(size, QImage::Format_RGB32);
    BuildStretchedImage(image, picture, kSource, GridGeometry().clRect, true);
    ASSERT_EQ(image.size(), size);
    EXPECT_EQ(FirstMismatch(image, doubled), "");
}

TEST(NinePieceImage, StretchTypesScaleOneWayAndTileTheOther)
{
    const QImage picture = CoordinateImage(24, 20);
    const QSize size(20, 15); // middle 13 wide (tiles 5 + 5 + 3), 10 high (doubles 5)
    const NinePieceOptions options = NinePieceOption::DrawClient | NinePieceOption::StretchMiddle;
    const QRect middle = SkinRect(3, 2, 16, 12);
    const auto border = [&](int x, int y) {
        return FromSource(Tiled(x, 3, 5, 12, 20), Tiled(y, 2, 5, 10, 15));
    };

    const QImage type1 = Build(picture, GridGeometry(), size, options, MiddleStretchType::TileHorizontally);
    EXPECT_EQ(FirstMismatch(type1,
                            [&](int x, int y) {
                                return middle.contains(x, y)
                                    ? FromSource(Tiled(x, 3, 5, 12, 20), Stretched(y, 2, 5, 10, 15))
                                    : border(x, y);
                            }),
              "");

    const QSize tall(15, 18); // middle 8 wide (stretched from 5), 13 high (tiled)
    const QImage type2 = Build(picture, GridGeometry(), tall, options, MiddleStretchType::TileVertically);
    const QRect middle2 = SkinRect(3, 2, 11, 15);
    EXPECT_EQ(FirstMismatch(type2,
                            [&](int x, int y) {
                                const int sx = middle2.contains(x, y) ? Stretched(x, 3, 5, 12, 15)
                                                                      : Tiled(x, 3, 5, 12, 15);
                                return FromSource(sx, Tiled(y, 2, 5, 10, 18));
                            }),
              "");

    const QImage type0 = Build(picture, GridGeometry(), QSize(17, 15), options, MiddleStretchType::Whole);
    EXPECT_EQ(SourceOf(type0.pixel(3 + 9, 2 + 9)), FromSource(3 + 4, 2 + 4));
    EXPECT_EQ(SourceOf(type0.pixel(3 + 1, 2 + 1)), FromSource(3, 2));
}

TEST(NinePieceImage, WithoutDrawClientTheMiddleStaysBlank)
{
    const QImage image = Build(CoordinateImage(24, 20), GridGeometry(), QSize(20, 15), {});
    EXPECT_EQ(SourceOf(image.pixel(10, 8)), QPoint(-1, -1));
    EXPECT_EQ(SourceOf(image.pixel(0, 0)), FromSource(0, 0));
    EXPECT_EQ(SourceOf(image.pixel(19, 14)), FromSource(11, 9));
}

TEST(NinePieceImage, EmptyPictureOrCoincidingPointsLeaveABlankImageOfTheNewSize)
{
    NinePieceGeometry flat = GridGeometry();
    flat.rb.setX(flat.lt.x());
    for (const auto& [picture, g] : {std::pair{CoordinateImage(24, 20), flat},
                                     std::pair{QImage(), GridGeometry()}}) {
        const QImage image = Build(picture, g, QSize(30, 20), kAllStretched);
        ASSERT_EQ(image.size(), QSize(30, 20));
        EXPECT_EQ(FirstMismatch(image, [](int, int) { return QPoint(-1, -1); }), "");
    }
}

TEST(PiecePainter, TilingCutsTheLastCopyAndDrawsNothingPastTheArea)
{
    const QImage picture = CoordinateImage(10, 10);
    QImage canvas(20, 12, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        PiecePainter painter(canvas, picture);
        painter.Tile(SkinRect(2, 1, 5, 3), SkinRect(4, 3, 12, 8));
        painter.Tile(SkinRect(2, 1, 2, 3), SkinRect(0, 0, 20, 12)); // zero width: skipped
        painter.Stretch(SkinRect(2, 1, 5, 3), SkinRect(0, 0, 0, 5)); // empty target: skipped
    }
    const QRect area = SkinRect(4, 3, 12, 8);
    EXPECT_EQ(FirstMismatch(canvas,
                            [&](int x, int y) {
                                if (!area.contains(x, y))
                                    return QPoint(-1, -1);
                                return QPoint(2 + (x - 4) % 3, 1 + (y - 3) % 2);
                            }),
              "");
}
