#include "skinui/FrameStrips.h"
#include "skinui/NinePieceImage.h"
#include "skinui/PieceStripImage.h"
#include "skinui/SkinGlyphs.h"
#include "skinui/SkinRect.h"
#include "skinui/TextEffects.h"
#include "SkinPixelTestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// A 12 x 10 skin rectangle at (3, 2): borders 3 left, 2 top, 4 right, 3 bottom around a 5 x 5
// middle, the corner points on the client rectangle's corners.
const QRect kSource = SkinRect(3, 2, 15, 12);
const NinePieceGeometry kGeometry = NinePieceGeometry::AtClientCorners(SkinRect(3, 2, 8, 7));

// The 1x picture, and its double-size form whose pixels name their own (double-size) place.
ScaledSkinPicture Pictures(qreal ratio)
{
    QImage base(24, 20, QImage::Format_RGB32);
    base.fill(Qt::black);
    return {base, CoordinateImage(48, 40), ratio};
}

// The largest difference of any colour channel between two pictures of one size.
int MaxDifference(const QImage& a, const QImage& b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

QImage Canvas(const QSize& size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

} // namespace

// At 2 every device pixel comes from the double-size picture: corners are whole pieces of it and
// the middle tiles by whole double-size pieces, ending flush with the corners.
TEST(ScaledBuilds, NinePiecesCutInDevicePixelsFromTheDoubleSizePicture)
{
    const QSize size(22, 15);
    QImage image;
    BuildNinePieceImage(image, Pictures(2), kSource, kGeometry, kGeometry.GrownTo(kSource.size(), size), size,
                        NinePieceOption::DrawClient);
    ASSERT_EQ(image.size(), size * 2);
    EXPECT_EQ(image.devicePixelRatio(), 2);
    EXPECT_EQ(FirstMismatch(image,
                            [&](int x, int y) {
                                return QPoint(2 * kSource.x() + Tiled(x, 6, 10, 24, 44),
                                              2 * kSource.y() + Tiled(y, 4, 10, 20, 30));
                            }),
              "");

    const struct {
        qreal ratio;
        QImage doubleSize;
        QSize pixels;
        qreal drawnRatio;
    } cases[] = {
        {1, CoordinateImage(48, 40), size, 1},
        {1.5, CoordinateImage(48, 40), {33, 23}, 1.5},  // the double-size build scaled down
        {2, QImage(), size, 1},                         // no double-size picture: the 1x build
        {2, CoordinateImage(47, 40), size, 1},          // not twice: not used
    };
    for (const auto& c : cases) {
        ScaledSkinPicture picture = Pictures(c.ratio);
        picture.doubleSize = c.doubleSize;
        BuildNinePieceImage(image, picture, kSource, kGeometry, kGeometry.GrownTo(kSource.size(), size), size,
                            NinePieceOption::DrawClient);
        EXPECT_EQ(image.size(), c.pixels) << c.ratio;
        EXPECT_EQ(image.devicePixelRatio(), c.drawnRatio) << c.ratio;
    }

    image = QImage();
    BuildStretchedImage(image, Pictures(2), kSource, kGeometry.clRect, true, kSource.size());
    EXPECT_EQ(FirstMismatch(image, [](int x, int y) { return QPoint(6 + x, 4 + y); }), "");
}

TEST(ScaledBuilds, StripsAndFrameStripsKeepTheirLogicalSizes)
{
    QImage strip;
    BuildHorizontalPieceImage(3, 4, strip, Pictures(2), kSource, 20, false);
    EXPECT_EQ(strip.size(), QSize(40, 20));
    EXPECT_EQ(strip.deviceIndependentSize(), QSizeF(20, 10));
    EXPECT_EQ(SourceOf(strip.pixel(39, 0)), QPoint(2 * 15 - 1, 4));  // the tail ends with the source's last column
    BuildVerticalPieceImage(2, 3, strip, Pictures(2), kSource, 16, true);
    EXPECT_EQ(strip.deviceIndependentSize(), QSizeF(12, 16));

    FrameStripImages strips;
    const QSize window(30, 20);
    BuildFrameStrips(strips, Pictures(1.5), kSource, kGeometry, kGeometry.GrownTo(kSource.size(), window), window,
                     {});
    EXPECT_EQ(strips.top.size(), QSize(45, 3));
    EXPECT_EQ(strips.top.devicePixelRatio(), 1.5);
    EXPECT_EQ(strips.left.size(), QSize(5, 23));  // 3 x 15 logical pixels, rounded at 1.5
}

// Diagonal glyph lines step by device pixels: the close glyph at 2 covers, row by device row,
// bands four device pixels wide that move one pixel a row, not its 1x pixels doubled.
TEST(ScaledBuilds, GlyphDiagonalsAreAsFineAsTheDevice)
{
    QImage image = Canvas(QSize(11, 10), 2);
    QPainter painter(&image);
    DrawFrameGlyph(painter, FrameGlyph::Close, QPoint(0, 0), Qt::black);
    painter.end();
    QStringList expected;
    for (int y = 0; y < 20; ++y) {
        QString row(22, QLatin1Char('.'));
        for (int x = 0; x < 22; ++x)
            if (y >= 2 && y < 18 && ((x >= y && x < y + 4) || (x >= 18 - y && x < 22 - y)))
                row[x] = QLatin1Char('#');
        expected << row;
    }
    EXPECT_EQ(InkPattern(image, qRgb(0, 0, 0)), expected);
}

// A shadow's text is drawn at the device's ratio: with no blur it is the text drawn there
// directly, in the shadow's colour and moved by the offset (up to the rounding of going through
// a transparent picture), not the 1x text enlarged.
TEST(ScaledBuilds, ShadowTextIsAsFineAsTheTextBesideIt)
{
    const QRect rect(2, 2, 60, 20);
    for (const qreal ratio : {1.0, 2.0}) {
        QImage shadowed = Canvas(QSize(70, 26), ratio);
        QImage direct = shadowed;
        QPainter a(&shadowed);
        a.setPen(Qt::blue);
        DrawTextWithShadow(a, QStringLiteral("Kestrune"), rect, Qt::AlignLeft, SkinTextMode::Literal, Qt::red, 0, 1);
        a.end();
        QPainter b(&direct);
        b.setPen(Qt::red);
        b.drawText(rect.translated(1, 1), Qt::AlignLeft, QStringLiteral("Kestrune"));
        b.setPen(Qt::blue);
        b.drawText(rect, Qt::AlignLeft, QStringLiteral("Kestrune"));
        b.end();
        EXPECT_LE(MaxDifference(shadowed, direct), 4) << ratio;
    }
}
