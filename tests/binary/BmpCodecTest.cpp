#include "binary/BitmapFormatError.h"
#include "binary/BmpCodec.h"
#include "binary/ByteCursor.h"
#include "binary/TruncatedDataError.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage ReadAll(const QByteArray& bytes, qint64* consumed = nullptr)
{
    ByteCursor cursor(bytes);
    QImage image = BmpCodec::readItem(cursor);
    if (consumed)
        *consumed = cursor.position();
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

TEST(BmpCodec, EveryDepthSurvivesWriteAndRead)
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
        const QByteArray bytes = BmpCodec::write(c.image);
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), c.bitCount);
        qint64 consumed = 0;
        const QImage back = ReadAll(bytes, &consumed);
        EXPECT_EQ(consumed, bytes.size());
        EXPECT_EQ(back.format(), c.image.format()) << c.bitCount;
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), c.image.convertToFormat(QImage::Format_RGB32))
            << c.bitCount;
        EXPECT_EQ(BmpCodec::write(back), bytes) << "writing is stable for " << c.bitCount;
    }
}

TEST(BmpCodec, OtherFormatsAreWrittenAsThirtyTwoBits)
{
    QImage argb(3, 2, QImage::Format_ARGB32);
    argb.fill(qRgba(10, 20, 30, 255));
    const QImage back = ReadAll(BmpCodec::write(argb));
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_TRUE(ReadAll(BmpCodec::write(QImage())).isNull());
}

TEST(BmpCodec, ItemExtentIgnoresFileHeaderSizeAndOffset)
{
    QByteArray bytes = BmpCodec::write(Pattern(QImage::Format_RGB32, 3, 3));
    PutU32(bytes, 2, 99999);  // total size
    PutU32(bytes, 10, 7777);  // pixel offset
    const qint64 expected = bytes.size();
    bytes += "next item";
    qint64 consumed = 0;
    ReadAll(bytes, &consumed);
    EXPECT_EQ(consumed, expected);
}

TEST(BmpCodec, ReadsCoreHeaderTopDownAndBitFields)
{
    const QImage core = ReadAll(CoreHeaderBitmap());
    ASSERT_EQ(core.size(), QSize(2, 2));
    EXPECT_EQ(core.pixel(0, 1), qRgb(3, 2, 1)); // first stored row is the bottom one
    EXPECT_EQ(core.pixel(1, 0), qRgb(12, 11, 10));

    QByteArray topDown = BmpCodec::write(Pattern(QImage::Format_RGB32, 2, 3));
    PutU32(topDown, 22, quint32(-3));
    const QImage flipped = ReadAll(topDown);
    EXPECT_EQ(flipped.pixel(0, 0), Pattern(QImage::Format_RGB32, 2, 3).pixel(0, 2));

    // 32 bits with the red and blue masks swapped: decoded through the masks.
    QByteArray fields = BmpCodec::write(Pattern(QImage::Format_RGB32, 2, 1));
    fields.insert(54, QByteArray(12, '\0'));
    PutU32(fields, 30, 3);
    PutU32(fields, 54, 0x000000FF);
    PutU32(fields, 58, 0x0000FF00);
    PutU32(fields, 62, 0x00FF0000);
    const QImage swapped = ReadAll(fields);
    const QRgb original = Pattern(QImage::Format_RGB32, 2, 1).pixel(1, 0);
    EXPECT_EQ(swapped.pixel(1, 0), qRgb(qBlue(original), qGreen(original), qRed(original)));
}

TEST(BmpCodec, IndexesBeyondTheColourTableStayReadable)
{
    QImage indexed = Pattern(QImage::Format_Indexed8, 4, 2);
    indexed.setColorCount(2);
    QByteArray bytes = BmpCodec::write(indexed);
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

TEST(BmpCodec, KnownPixelsOfCraftedFiles)
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

namespace {

// A one-row bitmap with a 56-byte header whose bit fields include an alpha mask.
QByteArray WithAlphaMask(int bitCount, const quint32 (&masks)[4], const QByteArray& row)
{
    QByteArray b = Crafted(1, bitCount, {}, row);
    b.insert(54, QByteArray(16, '\0'));
    PutU32(b, 10, 70);
    PutU32(b, 14, 56);
    PutU32(b, 30, 3);
    for (int i = 0; i < 4; ++i)
        PutU32(b, 54 + 4 * i, masks[i]);
    return b;
}

QImage ReadItem(const QByteArray& bytes)
{
    ByteCursor cursor(bytes);
    return BmpCodec::readItem(cursor);
}

} // namespace

TEST(BmpCodec, WholeFileKeepsPixelsAtTheHeaderOffset)
{
    const QImage picture = Pattern(QImage::Format_RGB32, 3, 2);
    QByteArray bytes = BmpCodec::write(picture);
    bytes.insert(54, QByteArray(6, '\x5A'));
    PutU32(bytes, 10, 60);
    EXPECT_EQ(BmpCodec::readFile(bytes), picture);
    PutU32(bytes, 10, quint32(bytes.size() - 4));
    EXPECT_THROW(BmpCodec::readFile(bytes), TruncatedDataError);
    PutU32(bytes, 10, 0xFFFFFFFFu);
    EXPECT_THROW(BmpCodec::readFile(bytes), TruncatedDataError);
}

TEST(BmpCodec, EmptyPicturesAreItemsButNoFiles)
{
    const QByteArray empty = BmpCodec::write(QImage());
    EXPECT_TRUE(ReadItem(empty).isNull());
    EXPECT_THROW(BmpCodec::readFile(empty), BitmapFormatError);
    QByteArray noRows = BmpCodec::write(Pattern(QImage::Format_RGB32, 2, 2));
    PutU32(noRows, 22, 0);
    EXPECT_THROW(BmpCodec::readFile(noRows), BitmapFormatError);
}

TEST(BmpCodec, OversizedPicturesAreRefusedBeforeTheirPixelsAreRead)
{
    // Each within the side limit or the pixel limit alone, but not both.
    const struct {
        quint32 width;
        quint32 height;
    } sizes[] = {{16385, 1}, {1, 16385}, {8192, 4096}, {4097, quint32(-4096)}};
    for (const auto& s : sizes) {
        QByteArray bytes = Crafted(1, 32, {}, QByteArray(4, '\0'));
        PutU32(bytes, 18, s.width);
        PutU32(bytes, 22, s.height);
        EXPECT_THROW(ReadItem(bytes), BitmapFormatError) << s.width << " x " << s.height;
        EXPECT_THROW(BmpCodec::readFile(bytes), BitmapFormatError) << s.width << " x " << s.height;
    }
    QByteArray largest = Crafted(4096, 32, {}, QByteArray(4096 * 4, '\0'));
    PutU32(largest, 22, quint32(-4096));
    EXPECT_THROW(ReadItem(largest), TruncatedDataError) << "allowed size, short pixel data";
}

TEST(BmpCodec, AlphaMasksAndNarrowFieldsDecodeWithRounding)
{
    const QByteArray argb = WithAlphaMask(32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
                                          QByteArray::fromHex("11223380"));
    const QByteArray nibbles = WithAlphaMask(16, {0x0F00, 0x00F0, 0x000F, 0xF000}, QByteArray::fromHex("0f8f0000"));
    for (const QImage& image : {ReadItem(argb), BmpCodec::readFile(argb)}) {
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        EXPECT_EQ(image.pixel(0, 0), qRgba(0x33, 0x22, 0x11, 0x80));
    }
    for (const QImage& image : {ReadItem(nibbles), BmpCodec::readFile(nibbles)})
        EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 255, 136)); // 8 of 15 is 136 of 255
}

TEST(BmpCodec, EveryPrefixOfAFileIsShortData)
{
    QByteArray core = CoreHeaderBitmap();
    PutU32(core, 10, 26); // pixel offset
    const QByteArray files[] = {BmpCodec::write(Pattern(QImage::Format_Indexed8, 5, 3)),
                                BmpCodec::write(Pattern(QImage::Format_RGB16, 3, 2)), core};
    for (const QByteArray& file : files) {
        for (int cut = 0; cut < file.size(); ++cut) {
            EXPECT_THROW(ReadItem(file.left(cut)), TruncatedDataError) << cut;
            EXPECT_THROW(BmpCodec::readFile(file.left(cut)), TruncatedDataError) << cut;
        }
    }
}
