#include "skinui/RegionBuilder.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinUiError.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage Filled(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

qint32 Field(const QByteArray& block, int at)
{
    return qFromLittleEndian<qint32>(block.constData() + at);
}

// Two regions cover the same pixels.
bool SameArea(const QRegion& a, const QRegion& b)
{
    return (a ^ b).isEmpty();
}

QByteArray Header(qint32 size, qint32 type, qint32 count)
{
    QByteArray block(32, '\0');
    qToLittleEndian(size, block.data());
    qToLittleEndian(type, block.data() + 4);
    qToLittleEndian(count, block.data() + 8);
    return block;
}

} // namespace

TEST(RegionBuilder, AllWhiteMaskGivesAHeaderWithoutRectangles)
{
    const QByteArray block = BuildRegionData(Filled(7, 5, qRgb(255, 255, 255)), 10, 20);
    ASSERT_EQ(block.size(), 32);
    const QByteArray expected = QByteArray::fromHex("20000000" "01000000" "00000000" "00000000"
                                                    "0a000000" "14000000" "11000000" "19000000");
    EXPECT_EQ(block.toHex(), expected.toHex());
    EXPECT_TRUE(RegionFromMask(Filled(7, 5, qRgb(255, 255, 255))).isEmpty());
}

TEST(RegionBuilder, AllBlackMaskGivesOneRectanglePerRow)
{
    const QByteArray block = BuildRegionData(Filled(6, 3, qRgb(0, 0, 0)), 2, 1);
    ASSERT_EQ(block.size(), 32 + 3 * 16);
    EXPECT_EQ(block.left(16).toHex(), QByteArray("20000000010000000300000000000000"));
    EXPECT_EQ(block.mid(16, 16).toHex(), QByteArray("02000000010000000800000004000000"));
    for (int row = 0; row < 3; ++row) {
        const int at = 32 + 16 * row;
        EXPECT_EQ(Field(block, at), 2);
        EXPECT_EQ(Field(block, at + 4), 1 + row);
        EXPECT_EQ(Field(block, at + 8), 8);
        EXPECT_EQ(Field(block, at + 12), 2 + row);
    }
    EXPECT_TRUE(SameArea(RegionFromData(block), QRegion(2, 1, 6, 3)));
}

TEST(RegionBuilder, EveryRunOfBlackBecomesOneRectangle)
{
    QImage mask = Filled(8, 2, qRgb(255, 255, 255));
    for (const int x : {0, 1, 4, 5, 6})
        mask.setPixel(x, 0, qRgb(0, 0, 0));
    mask.setPixel(7, 1, qRgb(0, 0, 0));
    mask.setPixel(3, 1, qRgb(1, 0, 0)); // almost black is outside
    const QByteArray block = BuildRegionData(mask, 0, 0);
    ASSERT_EQ(Field(block, 8), 3);
    const QList<QRect> expected{SkinRect(0, 0, 2, 1), SkinRect(4, 0, 7, 1), SkinRect(7, 1, 8, 2)};
    for (int i = 0; i < 3; ++i) {
        const int at = 32 + 16 * i;
        EXPECT_EQ(SkinRect(Field(block, at), Field(block, at + 4), Field(block, at + 8),
                           Field(block, at + 12)),
                  expected[i]);
    }
}

TEST(RegionBuilder, RectangleListGrowsBeyondTenThousandRuns)
{
    QImage mask = Filled(200, 101, qRgb(255, 255, 255));
    QRegion expected;
    for (int y = 0; y < 101; ++y)
        for (int x = y % 2; x < 200; x += 2) {
            mask.setPixel(x, y, qRgb(0, 0, 0));
            expected += QRect(x, y, 1, 1);
        }
    const QByteArray block = BuildRegionData(mask, 0, 0);
    EXPECT_EQ(Field(block, 8), 10100);
    EXPECT_EQ(block.size(), 32 + 16 * 10100);
    EXPECT_TRUE(SameArea(RegionFromMask(mask), expected));
}

TEST(RegionBuilder, CorruptRegionDataIsRejected)
{
    const QByteArray good = BuildRegionData(Filled(4, 2, qRgb(0, 0, 0)), 0, 0);
    ASSERT_NO_THROW(RegionFromData(good));
    QByteArray overlapping = Header(32, 1, 2);
    QByteArray rects(32, '\0');
    const qint32 fields[] = {0, 0, 4, 4, 2, 2, 6, 6};
    for (int i = 0; i < 8; ++i)
        qToLittleEndian<qint32>(fields[i], rects.data() + 4 * i);
    EXPECT_TRUE(SameArea(RegionFromData(overlapping + rects), QRegion(0, 0, 4, 4) + QRegion(2, 2, 4, 4)));

    const QList<QByteArray> bad{
        QByteArray(),
        good.left(31),
        good.left(good.size() - 1),
        good.left(good.size() - 16),
        Header(40, 1, 0),
        Header(32, 2, 0),
        Header(32, 1, -1),
        Header(32, 1, 0x10000000),
        Header(32, 1, 0) + QByteArray(8, '\0'),
    };
    for (const QByteArray& block : bad)
        EXPECT_THROW(RegionFromData(block), SkinUiError) << block.toHex().constData();
    QByteArray huge = Header(32, 1, 1) + QByteArray(16, '\0');
    qToLittleEndian<qint32>(-2000000000, huge.data() + 32);
    qToLittleEndian<qint32>(2000000000, huge.data() + 40);
    qToLittleEndian<qint32>(1, huge.data() + 44);
    EXPECT_THROW(RegionFromData(huge), SkinUiError);
    try {
        RegionFromData(good.left(10));
    } catch (const SkinUiError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Region data is truncated: 10 bytes"));
    }
}

TEST(RegionBuilder, FramedRegionIsTheUnionOfTheMaskStripsAndTheMaskRectangle)
{
    // A 10 x 10 mask, black but for a cut top-left and top-right corner; mask rectangle
    // (2, 2)-(8, 8), corner points on its corners.
    QImage mask = Filled(10, 10, qRgb(0, 0, 0));
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(9, 0), QPoint(8, 0), QPoint(9, 1)})
        mask.setPixel(p, qRgb(255, 255, 255));
    const NinePieceGeometry g = NinePieceGeometry::AtClientCorners(SkinRect(2, 2, 8, 8));

    const std::optional<QRegion> same = BuildFramedRegion(mask, g, g, 10);
    ASSERT_TRUE(same.has_value());
    EXPECT_TRUE(SameArea(*same, RegionFromMask(mask)));

    const std::optional<QRegion> wide = BuildFramedRegion(mask, g, g.Grown(10, 4), 20);
    ASSERT_TRUE(wide.has_value());
    QRegion expected(0, 0, 20, 14);
    for (const QRect cut : {QRect(0, 0, 2, 1), QRect(0, 1, 1, 1), QRect(18, 0, 2, 1), QRect(19, 1, 1, 1)})
        expected -= cut;
    EXPECT_TRUE(SameArea(*wide, expected));

    NinePieceGeometry inverted = g;
    inverted.clRect = SkinRect(8, 2, 2, 8);
    EXPECT_FALSE(BuildFramedRegion(mask, g, inverted, 10).has_value());
}

// The point test the frame's hit test uses agrees with the region the window gets, pixel by
// pixel, around and inside a grown window with cut corners.
TEST(RegionBuilder, PointInFramedShapeAgreesWithTheRegion)
{
    QImage mask = Filled(10, 10, qRgb(0, 0, 0));
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(9, 9), QPoint(8, 9), QPoint(9, 8)})
        mask.setPixel(p, qRgb(255, 255, 255));
    const NinePieceGeometry g = NinePieceGeometry::AtClientCorners(SkinRect(2, 2, 8, 8));
    const NinePieceGeometry grown = g.Grown(7, 5);
    FrameStripImages strips;
    BuildMaskStrips(strips, mask, g, grown, 17);
    const QRegion region = RegionFromMaskStrips(strips, grown.clRect);
    EXPECT_TRUE(SameArea(region, *BuildFramedRegion(mask, g, grown, 17)));
    int inside = 0;
    for (int y = -2; y < 17; ++y)
        for (int x = -2; x < 19; ++x) {
            EXPECT_EQ(InFramedShape(strips, grown.clRect, {x, y}), region.contains(QPoint(x, y))) << x << "," << y;
            inside += region.contains(QPoint(x, y));
        }
    EXPECT_EQ(inside, 17 * 15 - 6);
}
