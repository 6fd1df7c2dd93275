#include "skin/SkinBitmapCodec.h"
#include "skin/SkinByteCursor.h"
#include "skin/SkinError.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage ReadAll(const QByteArray& bytes, qint64* consumed = nullptr)
{
    SkinByteCursor cursor(bytes);
    QImage image = SkinBitmapCodec::Read(cursor);
    if (consumed)
        *consumed = cursor.Position();
    return image;
}

QImage Pattern(QImage::Format format, int width, int height)
{
    QImage image(width, height, format);
    if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono) {
        const int colors = format == QImage::Format_Mono ? 2 : 16;
        for (int i = 0; i < colors; ++i)
            image.setColor(i, qRgb(i * 15, 255 - i * 15, i * 7));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, uint((x * 3 + y) % colors));
        return image;
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 60 % 256, (x + y) * 20 % 256));
    return image;
}

void PutU32(QByteArray& bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

// A 2 x 2 24-bit image behind a 12-byte core header.
QByteArray CoreHeaderBitmap()
{
    QByteArray b("BM", 2);
    b += QByteArray(12, '\0');
    const char core[] = {12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 24, 0};
    b += QByteArray(core, sizeof core);
    const char rows[] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    return b + QByteArray(rows, sizeof rows);
}

} // namespace

TEST(SkinBitmapCodec, EveryDepthSurvivesWriteAndRead)
{
    const QImage mono = Pattern(QImage::Format_Mono, 37, 5);
    QImage indexed4 = Pattern(QImage::Format_Indexed8, 7, 3);
    QImage indexed8 = Pattern(QImage::Format_Indexed8, 9, 4);
    indexed8.setColorCount(200);
    const struct {
        QImage image;
        int bitCount;
    } cases[] = {
        {mono, 1},
        {indexed4, 4},
        {indexed8, 8},
        {Pattern(QImage::Format_RGB555, 5, 3), 16},
        {Pattern(QImage::Format_RGB16, 5, 3), 16},
        {Pattern(QImage::Format_BGR888, 5, 3), 24},
        {Pattern(QImage::Format_RGB32, 6, 2), 32},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = SkinBitmapCodec::Write(c.image);
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), c.bitCount);
        qint64 consumed = 0;
        const QImage back = ReadAll(bytes, &consumed);
        EXPECT_EQ(consumed, bytes.size());
        EXPECT_EQ(back.format(), c.image.format()) << c.bitCount;
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), c.image.convertToFormat(QImage::Format_RGB32))
            << c.bitCount;
        EXPECT_EQ(SkinBitmapCodec::Write(back), bytes) << "writing is stable for " << c.bitCount;
    }
}

TEST(SkinBitmapCodec, OtherFormatsAreWrittenAsThirtyTwoBits)
{
    QImage argb(3, 2, QImage::Format_ARGB32);
    argb.fill(qRgba(10, 20, 30, 255));
    const QImage back = ReadAll(SkinBitmapCodec::Write(argb));
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_TRUE(ReadAll(SkinBitmapCodec::Write(QImage())).isNull());
}

TEST(SkinBitmapCodec, ItemExtentIgnoresFileHeaderSizeAndOffset)
{
    QByteArray bytes = SkinBitmapCodec::Write(Pattern(QImage::Format_RGB32, 3, 3));
    PutU32(bytes, 2, 99999);  // total size
    PutU32(bytes, 10, 7777);  // pixel offset
    const qint64 expected = bytes.size();
    bytes += "next item";
    qint64 consumed = 0;
    ReadAll(bytes, &consumed);
    EXPECT_EQ(consumed, expected);
}

TEST(SkinBitmapCodec, ReadsCoreHeaderTopDownAndBitFields)
{
    const QImage core = ReadAll(CoreHeaderBitmap());
    ASSERT_EQ(core.size(), QSize(2, 2));
    EXPECT_EQ(core.pixel(0, 1), qRgb(3, 2, 1)); // first stored row is the bottom one
    EXPECT_EQ(core.pixel(1, 0), qRgb(12, 11, 10));

    QByteArray topDown = SkinBitmapCodec::Write(Pattern(QImage::Format_RGB32, 2, 3));
    PutU32(topDown, 22, quint32(-3));
    const QImage flipped = ReadAll(topDown);
    EXPECT_EQ(flipped.pixel(0, 0), Pattern(QImage::Format_RGB32, 2, 3).pixel(0, 2));

    // 32 bits with the red and blue masks swapped: decoded through the masks.
    QByteArray fields = SkinBitmapCodec::Write(Pattern(QImage::Format_RGB32, 2, 1));
    fields.insert(54, QByteArray(12, '\0'));
    PutU32(fields, 30, 3);
    PutU32(fields, 54, 0x000000FF);
    PutU32(fields, 58, 0x0000FF00);
    PutU32(fields, 62, 0x00FF0000);
    const QImage swapped = ReadAll(fields);
    const QRgb original = Pattern(QImage::Format_RGB32, 2, 1).pixel(1, 0);
    EXPECT_EQ(swapped.pixel(1, 0), qRgb(qBlue(original), qGreen(original), qRed(original)));
}

TEST(SkinBitmapCodec, RefusesWhatIsNoSupportedBitmap)
{
    const QByteArray good = SkinBitmapCodec::Write(Pattern(QImage::Format_RGB32, 4, 4));
    const auto message = [](QByteArray bytes) {
        try {
            ReadAll(bytes);
        } catch (const SkinError& e) {
            return e.message();
        }
        return QStringLiteral("no error");
    };
    // One field of the valid file changed at a time: offset, new 32-bit value, expected error.
    const struct {
        int offset;
        quint32 value;
        const char* error;
    } mutations[] = {
        {0, 0x4D58, "Bitmap image is not valid"},      // "XM" instead of "BM"
        {30, 1, "Bitmap image is not valid"},          // run-length compression
        {18, 0x7FFFFFFF, "Bitmap image is not valid"}, // width
        {22, 0x80000000u, "Bitmap image is not valid"}, // height
        {28, 7, "Bitmap image is not valid"},          // 7 bits per pixel
        {14, 20, "Bitmap image is not valid"},         // header size
        {46, 0x40000000, "Stream read error"},         // colour count
        {14, 0xFFFFFFF0u, "Stream read error"},        // header size beyond the data
    };
    for (const auto& m : mutations) {
        QByteArray changed = good;
        PutU32(changed, m.offset, m.value);
        EXPECT_EQ(message(changed), m.error) << m.offset;
    }
    for (int cut = 0; cut < good.size(); ++cut)
        EXPECT_NE(message(good.left(cut)), "no error") << cut;
}

TEST(SkinBitmapCodec, IndexesBeyondTheColourTableStayReadable)
{
    QImage indexed = Pattern(QImage::Format_Indexed8, 4, 2);
    indexed.setColorCount(2);
    QByteArray bytes = SkinBitmapCodec::Write(indexed);
    const QImage back = ReadAll(bytes);
    EXPECT_EQ(back.colorCount(), 16);
    EXPECT_EQ(back.pixelIndex(3, 0), indexed.pixelIndex(3, 0));
    EXPECT_EQ(back.pixel(3, 0), qRgb(0, 0, 0));
}

namespace {

// A 40-byte-header bitmap with the given depth, colour table and one row of pixel bytes.
QByteArray Crafted(int width, int bitCount, const QByteArray& table, const QByteArray& row)
{
    QByteArray b("BM", 2);
    b += QByteArray(12, '\0');
    b += QByteArray(40, '\0');
    PutU32(b, 14, 40);
    PutU32(b, 18, quint32(width));
    PutU32(b, 22, 1);
    b[26] = 1;
    b[28] = char(bitCount);
    PutU32(b, 46, quint32(table.size() / 4));
    return b + table + row;
}

} // namespace

TEST(SkinBitmapCodec, KnownPixelsOfCraftedFiles)
{
    const QByteArray blackWhite("\0\0\0\0\xFF\xFF\xFF\0", 8);
    const QImage mono = ReadAll(Crafted(8, 1, blackWhite, QByteArray("\x80\0\0\0", 4)));
    EXPECT_EQ(mono.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(mono.pixel(1, 0), qRgb(0, 0, 0));

    const QByteArray threeColours("\0\0\0\0\0\0\xFF\0\xFF\0\0\0", 12);
    const QImage nibbles = ReadAll(Crafted(3, 4, threeColours, QByteArray("\x12\x00\0\0", 4)));
    EXPECT_EQ(nibbles.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(nibbles.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(nibbles.pixel(2, 0), qRgb(0, 0, 0));

    const QImage red555 = ReadAll(Crafted(1, 16, {}, QByteArray("\x00\x7C\0\0", 4)));
    EXPECT_EQ(red555.pixel(0, 0), qRgb(255, 0, 0));
    const QImage blue32 = ReadAll(Crafted(1, 32, {}, QByteArray("\xFF\0\0\x55", 4)));
    EXPECT_EQ(blue32.pixel(0, 0), qRgb(0, 0, 255));
}
