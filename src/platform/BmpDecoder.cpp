#include "platform/BmpDecoder.h"

#include "platform/ByteCursor.h"
#include "platform/DataFormatError.h"
#include "platform/PictureLimits.h"

#include <QtEndian>

#include <bit>
#include <vector>

namespace {

constexpr quint32 PlainPixels = 0;
constexpr quint32 BitFields = 3;
constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 InfoHeaderSize = 40;
constexpr qint64 FileHeaderSize = 14;

struct Channel {
    quint32 mask = 0;
    int shift = 0;
    quint32 maximum = 0;

    explicit Channel(quint32 channelMask = 0) : mask(channelMask)
    {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        maximum = mask >> shift;
    }

    int value(quint32 pixel, int absent) const
    {
        if (maximum == 0)
            return absent;
        return int((quint64((pixel & mask) >> shift) * 255 + maximum / 2) / maximum);
    }
};

[[noreturn]] void unsupported(const QString& what)
{
    throw DataFormatError(QStringLiteral("BMP error: %1").arg(what));
}

} // namespace

struct BmpDecoder::Header {
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 pixelOffset = 0;
    Channel red, green, blue, alpha;
    std::vector<QRgb> palette;
};

QImage BmpDecoder::decode(QByteArrayView bytes)
{
    ByteCursor cursor(bytes);
    if (cursor.u16() != 0x4D42)
        unsupported(QStringLiteral("no BM signature"));
    cursor.skip(8);
    const quint32 pixelOffset = cursor.u32();
    Header header = readHeader(cursor);
    header.pixelOffset = pixelOffset;
    return readPixels(bytes, header);
}

BmpDecoder::Header BmpDecoder::readHeader(ByteCursor& cursor)
{
    Header header;
    const quint32 headerSize = cursor.u32();
    if (headerSize == CoreHeaderSize) {
        header.width = cursor.u16();
        header.height = cursor.u16();
    } else if (headerSize >= InfoHeaderSize) {
        header.width = cursor.i32();
        header.height = cursor.i32();
    } else {
        unsupported(QStringLiteral("unknown header size %1").arg(headerSize));
    }
    header.topDown = header.height < 0;
    header.height = qAbs(header.height);
    PictureLimits::check(header.width, header.height, "BMP");
    cursor.skip(2);  // planes
    header.bitCount = cursor.u16();
    readMasks(cursor, header, headerSize);
    readPalette(cursor, header, headerSize);
    return header;
}

void BmpDecoder::readMasks(ByteCursor& cursor, Header& header, quint32 headerSize)
{
    const quint32 compression = headerSize == CoreHeaderSize ? PlainPixels : cursor.u32();
    const int bits = header.bitCount;
    if (compression == BitFields && (bits == 16 || bits == 32)) {
        cursor.seek(FileHeaderSize + InfoHeaderSize);
        header.red = Channel(cursor.u32());
        header.green = Channel(cursor.u32());
        header.blue = Channel(cursor.u32());
        if (headerSize > InfoHeaderSize + 12)
            header.alpha = Channel(cursor.u32());
    } else if (compression != PlainPixels) {
        unsupported(QStringLiteral("compression %1 with %2 bits").arg(compression).arg(bits));
    } else if (bits == 16) {
        header.red = Channel(0x7C00);
        header.green = Channel(0x03E0);
        header.blue = Channel(0x001F);
    } else if (bits == 24 || bits == 32) {
        header.red = Channel(0x00FF0000);
        header.green = Channel(0x0000FF00);
        header.blue = Channel(0x000000FF);
    } else if (bits != 1 && bits != 4 && bits != 8) {
        unsupported(QStringLiteral("%1 bits per pixel").arg(bits));
    }
}

void BmpDecoder::readPalette(ByteCursor& cursor, Header& header, quint32 headerSize)
{
    if (header.bitCount > 8)
        return;
    quint32 count = 1u << header.bitCount;
    if (headerSize >= InfoHeaderSize) {
        cursor.seek(FileHeaderSize + 32);
        const quint32 used = cursor.u32();
        if (used != 0 && used < count)
            count = used;
    }
    const qint64 entrySize = headerSize == CoreHeaderSize ? 3 : 4;
    cursor.seek(FileHeaderSize + headerSize);
    for (quint32 i = 0; i < count; ++i) {
        const QByteArrayView entry = cursor.bytes(entrySize);
        header.palette.push_back(qRgb(uchar(entry[2]), uchar(entry[1]), uchar(entry[0])));
    }
}

QImage BmpDecoder::readPixels(QByteArrayView bytes, const Header& header)
{
    const qint64 stride = (header.width * header.bitCount + 31) / 32 * 4;
    ByteCursor cursor(bytes, header.pixelOffset);
    const QByteArrayView pixels = cursor.bytes(stride * header.height);
    const bool hasAlpha = header.alpha.maximum != 0;
    QImage image(int(header.width), int(header.height), hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (qint64 row = 0; row < header.height; ++row) {
        const auto* source = reinterpret_cast<const uchar*>(pixels.data()) + row * stride;
        const qint64 y = header.topDown ? row : header.height - 1 - row;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (int x = 0; x < header.width; ++x)
            target[x] = pixelAt(source, x, header);
    }
    return image;
}

QRgb BmpDecoder::pixelAt(const uchar* row, int x, const Header& header)
{
    const int bits = header.bitCount;
    if (bits <= 8) {
        const int perByte = 8 / bits;
        const int shift = 8 - bits * (x % perByte + 1);
        const quint32 index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
        // An index past the palette shows black, as the platform draws it.
        return index < header.palette.size() ? header.palette[index] : qRgb(0, 0, 0);
    }
    quint32 value = 0;
    if (bits == 16)
        value = qFromLittleEndian<quint16>(row + 2 * x);
    else if (bits == 24)
        value = row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16);
    else
        value = qFromLittleEndian<quint32>(row + 4 * x);
    return qRgba(header.red.value(value, 0), header.green.value(value, 0), header.blue.value(value, 0),
                 header.alpha.value(value, 255));
}
