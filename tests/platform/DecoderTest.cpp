#include "HostileInputs.h"
#include "PackFixture.h"

#include "platform/BmpDecoder.h"
#include "platform/DataFormatError.h"
#include "platform/GifDecoder.h"
#include "platform/JpegDecoder.h"
#include "platform/PngDecoder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QtEndian>
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

using Decode = std::function<QImage(QByteArrayView)>;

int AppendToArray(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// A w x h GIF whose pixel (x, y) has palette index (x + y) % 4; index 3 is transparent.
QByteArray EncodeGif(int width, int height, bool interlaced)
{
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToArray, &error);
    const GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 2, 0, map);
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, 3};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    EGifPutImageDesc(gif, 0, 0, width, height, interlaced, nullptr);
    std::vector<int> rows;
    if (interlaced) {
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < height; y += step)
                rows.push_back(y);
    } else {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
    }
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (int y : rows) {
        for (int x = 0; x < width; ++x)
            line[size_t(x)] = GifPixelType((x + y) % 4);
        EGifPutLine(gif, line.data(), width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

void ExpectSamePixels(const QImage& actual, const QImage& expected, int tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            EXPECT_NEAR(qRed(a), qRed(e), tolerance) << x << "," << y;
            EXPECT_NEAR(qGreen(a), qGreen(e), tolerance) << x << "," << y;
            EXPECT_NEAR(qBlue(a), qBlue(e), tolerance) << x << "," << y;
            EXPECT_NEAR(qAlpha(a), qAlpha(e), tolerance) << x << "," << y;
        }
    }
}

// Every prefix raises DataFormatError, and random corruptions either decode or raise it.
// `optionalTail` bytes at the end may be missing: a picture whose pixels are complete decodes
// without the GIF trailer byte or the PNG end chunk.
void ExpectDamageRaisesCleanly(const QByteArray& good, const Decode& decode, const char* format, int optionalTail = 0)
{
    SCOPED_TRACE(format);
    for (qsizetype length = 0; length < good.size() - optionalTail; ++length)
        EXPECT_THROW(decode(good.left(length)), DataFormatError) << "prefix " << length;
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray bad = good;
        for (int flips = 0; flips < 3; ++flips)
            bad[random.bounded(int(bad.size()))] = char(random.bounded(256));
        try {
            decode(bad);
        } catch (const DataFormatError&) {
        }
    }
}

QByteArray BmpHeader(qint32 width, qint32 height, quint16 bits, quint32 compression, quint32 paletteBytes, quint32 pixelBytes)
{
    QByteArray bytes(54, '\0');
    const quint32 pixelOffset = 54 + paletteBytes;
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<quint32>(pixelOffset + pixelBytes, bytes.data() + 2);
    qToLittleEndian<quint32>(pixelOffset, bytes.data() + 10);
    qToLittleEndian<quint32>(40, bytes.data() + 14);
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(bits, bytes.data() + 28);
    qToLittleEndian<quint32>(compression, bytes.data() + 30);
    return bytes;
}

// A 3 x 2 four-bit bitmap stored top-down: row 0 = palette 0,1,2; row 1 = 2,1,0.
QByteArray PalettedBmp()
{
    QByteArray bytes = BmpHeader(3, -2, 4, 0, 3 * 4, 2 * 4);
    qToLittleEndian<quint32>(3, bytes.data() + 46);  // colours used
    bytes += QByteArray::fromHex("0000ff00" "00ff0000" "ff000000");  // red, green, blue (BGRX)
    bytes += QByteArray::fromHex("01200000" "21000000");
    return bytes;
}

// A 2 x 1 32-bit bitmap with bit fields, alpha in the top byte.
QByteArray BitFieldBmp()
{
    QByteArray bytes = BmpHeader(2, 1, 32, 3, 0, 8);
    qToLittleEndian<quint32>(56, bytes.data() + 14);
    bytes += QByteArray::fromHex("0000ff00" "00ff0000" "ff000000" "000000ff");  // R, G, B, A masks
    qToLittleEndian<quint32>(54 + 16, bytes.data() + 10);
    bytes += QByteArray::fromHex("11223380" "445566ff");
    return bytes;
}

} // namespace

TEST(Decoders, JpegAndPngMatchTheirSource)
{
    // Both decoders run the same library, so Qt's reading of the bytes is the reference.
    const QByteArray jpeg = EncodePicture(TestPicture(27, 22, false), "JPEG");
    ExpectSamePixels(JpegDecoder::decode(jpeg), QImage::fromData(jpeg, "JPEG"), 2);
    const QImage translucent = TestPicture(62, 22, true);
    const QImage png = PngDecoder::decode(EncodePicture(translucent, "PNG"));
    EXPECT_TRUE(png.hasAlphaChannel());
    ExpectSamePixels(png, translucent, 0);
    const QImage fixture = JpegDecoder::decode(FixtureBytes(QStringLiteral("close.jpg")));
    EXPECT_EQ(fixture.size(), QSize(6, 4));
    const QImage fixturePng = PngDecoder::decode(FixtureBytes(QStringLiteral("yxn.png")));
    EXPECT_EQ(fixturePng.size(), QSize(5, 3));
    EXPECT_NEAR(qAlpha(fixturePng.pixel(2, 1)), 128, 1);
}

TEST(Decoders, GifKeepsPaletteTransparencyAndInterlacing)
{
    for (bool interlaced : {false, true}) {
        const QImage image = GifDecoder::decode(EncodeGif(11, 9, interlaced));
        ASSERT_EQ(image.size(), QSize(11, 9));
        const QRgb expected[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), 0};
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 11; ++x)
                EXPECT_EQ(image.pixel(x, y), expected[(x + y) % 4]) << x << "," << y << " interlaced " << interlaced;
    }
}

TEST(Decoders, BmpReadsPalettesOrientationAndBitFields)
{
    const QImage paletted = BmpDecoder::decode(PalettedBmp());
    ASSERT_EQ(paletted.size(), QSize(3, 2));
    EXPECT_EQ(paletted.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(paletted.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(paletted.pixel(0, 1), qRgb(0, 0, 255));
    const QImage fields = BmpDecoder::decode(BitFieldBmp());
    EXPECT_EQ(fields.pixel(0, 0), qRgba(0x33, 0x22, 0x11, 0x80));
    EXPECT_EQ(fields.pixel(1, 0), qRgba(0x66, 0x55, 0x44, 0xFF));
    // Qt's writer stores bottom-up 24-bit rows with padding.
    const QImage opaque = TestPicture(5, 3, false);
    ExpectSamePixels(BmpDecoder::decode(EncodePicture(opaque, "BMP")), opaque, 0);
}

TEST(Decoders, UnsupportedOrOversizedPicturesRaiseBeforeAllocating)
{
    EXPECT_THROW(BmpDecoder::decode(BmpHeader(100000, 100000, 24, 0, 0, 0)), DataFormatError);
    EXPECT_THROW(BmpDecoder::decode(BmpHeader(2, 2, 8, 1, 0, 8)), DataFormatError);  // run-length
    EXPECT_THROW(BmpDecoder::decode(BmpHeader(2, 2, 7, 0, 0, 8)), DataFormatError);
    EXPECT_THROW(BmpDecoder::decode(BmpHeader(0, 2, 24, 0, 0, 8)), DataFormatError);
    QByteArray hugeGif = EncodeGif(4, 4, false);
    qToLittleEndian<quint16>(0xFFFF, hugeGif.data() + 6);
    qToLittleEndian<quint16>(0xFFFF, hugeGif.data() + 8);
    EXPECT_THROW(GifDecoder::decode(hugeGif), DataFormatError);
    QImage wide(20000, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    EXPECT_THROW(PngDecoder::decode(EncodePicture(wide, "PNG")), DataFormatError);
    EXPECT_THROW(JpegDecoder::decode(EncodePicture(TestPicture(4, 4, false), "PNG")), DataFormatError);
    EXPECT_THROW(PngDecoder::decode(EncodePicture(TestPicture(4, 4, false), "JPEG")), DataFormatError);
}

TEST(Decoders, TruncatedAndCorruptPicturesRaise)
{
    ExpectDamageRaisesCleanly(EncodePicture(TestPicture(8, 6, false), "JPEG"), JpegDecoder::decode, "JPEG");
    ExpectDamageRaisesCleanly(EncodePicture(TestPicture(8, 6, true), "PNG"), PngDecoder::decode, "PNG", 12);
    ExpectDamageRaisesCleanly(EncodeGif(8, 6, true), GifDecoder::decode, "GIF", 1);
    ExpectDamageRaisesCleanly(PalettedBmp(), BmpDecoder::decode, "BMP paletted");
    ExpectDamageRaisesCleanly(BitFieldBmp(), BmpDecoder::decode, "BMP bit fields");
}

// Every refinement scan walks all coefficients again: a picture of more scans than encoders
// write is refused, while ordinary progressive pictures decode.
TEST(Decoders, JpegOfMoreScansThanEncodersWriteIsRefused)
{
    const QString refused = QStringLiteral("JPEG error: more than %1 scans").arg(JpegDecoder::MaxScans);
    for (const QByteArray& picture : {HostileInputs::JpegWithManyScans(32),
                                      HostileInputs::JpegWithScans(32, JpegDecoder::MaxScans + 1)}) {
        try {
            JpegDecoder::decode(picture);
            ADD_FAILURE() << "a picture of " << picture.count("\xff\xda") << " scans was decoded";
        } catch (const DataFormatError& e) {
            EXPECT_EQ(e.message(), refused);
        }
    }
    EXPECT_EQ(JpegDecoder::decode(HostileInputs::JpegWithScans(32, JpegDecoder::MaxScans)).size(), QSize(32, 32));
    QByteArray progressive;
    QBuffer buffer(&progressive);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(TestPicture(40, 30, false)));
    EXPECT_GT(progressive.count("\xff\xda"), 5) << "scans";
    ExpectSamePixels(JpegDecoder::decode(progressive), QImage::fromData(progressive, "JPEG"), 2);
}

// libpng never sees comments, profiles or unknown chunks, so it neither inflates them nor
// stumbles over them; palette transparency still reaches the pixels.
TEST(Decoders, PngChunksThatDoNotChangeThePixelsAreSkipped)
{
    QImage paletted(6, 3, QImage::Format_Indexed8);
    paletted.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 64), qRgba(0, 200, 0, 0)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            paletted.setPixel(x, y, uint((x + y) % 3));
    const QByteArray plain = EncodePicture(paletted, "PNG");
    ASSERT_TRUE(plain.contains("tRNS"));
    const QByteArray profile = qCompress(QByteArray(1 << 20, 'p')).mid(4);
    const QByteArray extras = HostileInputs::PngChunk("tEXt", QByteArray("Title\0kestrune", 14))
        + HostileInputs::PngChunk("iCCP", QByteArray("p\0\0", 3) + profile) + HostileInputs::PngChunk("abCd", "unknown")
        + HostileInputs::PngChunk("a\x01\x02\x03", "no chunk type at all");
    const QByteArray commented = HostileInputs::PngWithComments(plain, 2);
    const qsizetype afterHeader = 8 + 25;
    const QByteArray carrying = commented.left(afterHeader) + extras + commented.mid(afterHeader);
    const QImage expected = PngDecoder::decode(plain);
    EXPECT_EQ(qAlpha(expected.pixel(1, 0)), 64);
    ExpectSamePixels(PngDecoder::decode(carrying), expected, 0);
}
