#include "binary/BmpCodec.h"

#include "binary/BitmapFormatError.h"
#include "binary/ByteCursor.h"

#include <QtEndian>
#include <bit>

namespace {

constexpr quint32 kRgb = 0;
constexpr quint32 kBitFields = 3;
constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kInfoHeaderSize = 40;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kMaskSize = 4;

struct BmpHeader {
    quint32 pixelOffset = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: rows stored top-down
    int bitCount = 0;
    quint32 compression = kRgb;
    quint32 imageSize = 0;
    quint32 colorsUsed = 0;
    bool core = false;
    quint32 masks[4] = {0, 0, 0, 0}; // red, green, blue, alpha
};

// One colour of a bit-field pixel, scaled to 0..255 with rounding.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    quint32 maximum = 0;

    explicit Channel(quint32 channelMask) : mask(channelMask)
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

[[noreturn]] void Refuse(const QString& what)
{
    throw BitmapFormatError(QStringLiteral("BMP error: %1").arg(what));
}

qint64 Stride(qint64 width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

qint64 PixelBytes(const BmpHeader& h)
{
    return Stride(h.width, h.bitCount) * qAbs(h.height);
}

bool ValidDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24
        || bitCount == 32;
}

void ReadCoreHeader(ByteCursor& cursor, BmpHeader& h)
{
    h.core = true;
    h.width = cursor.u16();
    h.height = cursor.u16();
    cursor.skip(2); // planes
    h.bitCount = cursor.u16();
}

// The masks follow a 40-byte header and are part of a longer one, which from 56 bytes on also
// holds the alpha mask.
void ReadMasks(ByteCursor& cursor, BmpHeader& h, quint32 headerSize)
{
    const quint32 extra = headerSize - kInfoHeaderSize;
    if (extra < 3 * kMaskSize) {
        cursor.skip(extra);
        for (int i = 0; i < 3; ++i)
            h.masks[i] = cursor.u32();
        return;
    }
    const quint32 inHeader = extra >= 4 * kMaskSize ? 4 : 3;
    for (quint32 i = 0; i < inHeader; ++i)
        h.masks[i] = cursor.u32();
    cursor.skip(extra - inHeader * kMaskSize);
}

void ReadInfoHeader(ByteCursor& cursor, BmpHeader& h, quint32 headerSize)
{
    h.width = cursor.i32();
    h.height = cursor.i32();
    cursor.skip(2); // planes
    h.bitCount = cursor.u16();
    h.compression = cursor.u32();
    h.imageSize = cursor.u32();
    cursor.skip(8); // resolution
    h.colorsUsed = cursor.u32();
    cursor.skip(4); // important colours
    if (h.compression == kBitFields)
        ReadMasks(cursor, h, headerSize);
    else
        cursor.skip(headerSize - kInfoHeaderSize);
}

BmpHeader ReadHeaders(ByteCursor& cursor)
{
    if (cursor.u16() != 0x4D42)
        Refuse(QStringLiteral("no BM signature"));
    cursor.skip(8); // file size and reserved words
    BmpHeader h;
    h.pixelOffset = cursor.u32();
    const quint32 headerSize = cursor.u32();
    if (headerSize == kCoreHeaderSize)
        ReadCoreHeader(cursor, h);
    else if (headerSize >= kInfoHeaderSize)
        ReadInfoHeader(cursor, h, headerSize);
    else
        Refuse(QStringLiteral("unknown header size %1").arg(headerSize));
    return h;
}

void Validate(const BmpHeader& h, bool allowEmpty)
{
    if (!ValidDepth(h.bitCount))
        Refuse(QStringLiteral("%1 bits per pixel").arg(h.bitCount));
    const bool fieldsAllowed = h.compression == kBitFields && (h.bitCount == 16 || h.bitCount == 32);
    if (h.compression != kRgb && !fieldsAllowed)
        Refuse(QStringLiteral("compression %1 with %2 bits").arg(h.compression).arg(h.bitCount));
    const qint64 height = qAbs(h.height);
    const bool empty = h.width == 0 || height == 0;
    if (h.width < 0 || h.width > PictureSizeLimits::MaxSide || height > PictureSizeLimits::MaxSide
        || h.width * height > PictureSizeLimits::MaxPixels || (empty && !allowEmpty))
        Refuse(QStringLiteral("picture size %1 x %2 is not supported").arg(h.width).arg(h.height));
}

QList<QRgb> ReadColorTable(ByteCursor& cursor, const BmpHeader& h)
{
    const qint64 tableSize = h.bitCount <= 8 ? (qint64(1) << h.bitCount) : 0;
    const qint64 entries = h.colorsUsed != 0 ? qint64(h.colorsUsed) : tableSize;
    const qint64 entrySize = h.core ? 3 : 4;
    const QByteArrayView bytes = cursor.bytes(entries * entrySize);
    QList<QRgb> table;
    for (qint64 i = 0; i < qMin(entries, tableSize); ++i) {
        const auto* e = reinterpret_cast<const uchar*>(bytes.data() + i * entrySize);
        table.append(qRgb(e[2], e[1], e[0]));
    }
    // Pad so that every index a row can hold names a colour: black, as the platform draws it.
    while (table.size() < tableSize)
        table.append(qRgb(0, 0, 0));
    return table;
}

QImage::Format TargetFormat(const BmpHeader& h)
{
    const bool fields = h.compression == kBitFields;
    if (fields && h.masks[3] != 0)
        return QImage::Format_Invalid;
    switch (h.bitCount) {
    case 1: return QImage::Format_Mono;
    case 4:
    case 8: return QImage::Format_Indexed8;
    case 16:
        if (!fields || (h.masks[0] == 0x7C00 && h.masks[1] == 0x03E0 && h.masks[2] == 0x001F))
            return QImage::Format_RGB555;
        if (h.masks[0] == 0xF800 && h.masks[1] == 0x07E0 && h.masks[2] == 0x001F)
            return QImage::Format_RGB16;
        return QImage::Format_Invalid;
    case 24: return QImage::Format_BGR888;
    default:
        if (!fields || (h.masks[0] == 0xFF0000 && h.masks[1] == 0xFF00 && h.masks[2] == 0xFF))
            return QImage::Format_RGB32;
        return QImage::Format_Invalid;
    }
}

// Bit-field layouts that no QImage format stores directly.
void DecodeMaskedRow(const uchar* src, const BmpHeader& h, QRgb* dst)
{
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
    for (qint64 x = 0; x < h.width; ++x) {
        const quint32 v = h.bitCount == 16 ? qFromLittleEndian<quint16>(src + x * 2)
                                           : qFromLittleEndian<quint32>(src + x * 4);
        dst[x] = qRgba(red.value(v, 0), green.value(v, 0), blue.value(v, 0), alpha.value(v, 255));
    }
}

void DecodeRow(const uchar* src, const BmpHeader& h, QImage& image, int line)
{
    uchar* dst = image.scanLine(line);
    switch (image.format()) {
    case QImage::Format_Indexed8:
        if (h.bitCount == 4) {
            for (qint64 x = 0; x < h.width; ++x)
                dst[x] = (x % 2 == 0) ? src[x / 2] >> 4 : src[x / 2] & 0x0F;
            return;
        }
        memcpy(dst, src, size_t(h.width));
        return;
    case QImage::Format_RGB32: {
        auto* px = reinterpret_cast<QRgb*>(dst);
        for (qint64 x = 0; x < h.width; ++x)
            px[x] = 0xFF000000u | (qFromLittleEndian<quint32>(src + x * 4) & 0x00FFFFFFu);
        return;
    }
    default:
        // The image's rows are as long as the file's padded rows for these formats.
        memcpy(dst, src, size_t(image.bytesPerLine()));
    }
}

QImage DecodePixels(QByteArrayView pixels, const BmpHeader& h, const QList<QRgb>& table)
{
    // An empty picture has no rows to decode and reads as a null image.
    if (h.width == 0 || h.height == 0)
        return QImage();
    QImage::Format format = TargetFormat(h);
    const bool masked = format == QImage::Format_Invalid;
    if (masked)
        format = h.masks[3] != 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const int height = int(qAbs(h.height));
    QImage image(int(h.width), height, format);
    if (image.isNull())
        Refuse(QStringLiteral("no memory for the picture"));
    if (h.bitCount <= 8)
        image.setColorTable(table);
    const qint64 stride = Stride(h.width, h.bitCount);
    for (int row = 0; row < height; ++row) {
        const auto* src = reinterpret_cast<const uchar*>(pixels.data() + row * stride);
        const int line = h.height > 0 ? height - 1 - row : row;
        if (masked)
            DecodeMaskedRow(src, h, reinterpret_cast<QRgb*>(image.scanLine(line)));
        else
            DecodeRow(src, h, image, line);
    }
    return image;
}

// ---- writing ----

struct WriteLayout {
    QImage image;
    int bitCount = 24;
    bool fields = false;
};

WriteLayout ChooseLayout(const QImage& source)
{
    switch (source.format()) {
    case QImage::Format_Mono: return {source, 1, false};
    case QImage::Format_MonoLSB: return {source.convertToFormat(QImage::Format_Mono), 1, false};
    case QImage::Format_Indexed8: return {source, source.colorCount() <= 16 ? 4 : 8, false};
    case QImage::Format_RGB555: return {source, 16, false};
    case QImage::Format_RGB16: return {source, 16, true};
    case QImage::Format_BGR888: return {source, 24, false};
    case QImage::Format_RGB888: return {source.convertToFormat(QImage::Format_BGR888), 24, false};
    default: return {source.convertToFormat(QImage::Format_RGB32), 32, false};
    }
}

void Put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

QByteArray EncodeRow(const QImage& image, int line, int bitCount, qint64 stride)
{
    QByteArray row(stride, '\0');
    const uchar* src = image.constScanLine(line);
    auto* dst = reinterpret_cast<uchar*>(row.data());
    const int width = image.width();
    if (bitCount == 4) {
        for (int x = 0; x < width; ++x)
            dst[x / 2] |= (x % 2 == 0) ? uchar((src[x] & 0x0F) << 4) : uchar(src[x] & 0x0F);
    } else if (bitCount == 32) {
        const auto* px = reinterpret_cast<const QRgb*>(src);
        for (int x = 0; x < width; ++x)
            qToLittleEndian<quint32>(px[x] & 0x00FFFFFFu, dst + x * 4);
    } else {
        // Only the pixels' own bytes: row padding in the image is undefined.
        const qint64 used = (qint64(width) * bitCount + 7) / 8;
        memcpy(dst, src, size_t(used));
        const int spareBits = int(used * 8 - qint64(width) * bitCount);
        if (spareBits > 0)
            dst[used - 1] &= uchar(0xFF << spareBits);
    }
    return row;
}

void PutHeaders(QByteArray& out, const WriteLayout& layout, quint32 offset, qint64 imageSize, int tableEntries)
{
    out.append("BM", 2);
    Put32(out, quint32(offset + imageSize));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, quint32(layout.image.width()));
    Put32(out, quint32(layout.image.height()));
    Put16(out, 1);
    Put16(out, quint16(layout.bitCount));
    Put32(out, layout.fields ? kBitFields : kRgb);
    Put32(out, quint32(imageSize));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, quint32(tableEntries));
    Put32(out, 0);
}

} // namespace

QImage BmpCodec::readItem(ByteCursor& cursor)
{
    const BmpHeader h = ReadHeaders(cursor);
    Validate(h, true);
    const QList<QRgb> table = ReadColorTable(cursor, h);
    const qint64 needed = PixelBytes(h);
    const bool sized = h.compression == kBitFields && h.imageSize != 0;
    const qint64 length = sized ? qint64(h.imageSize) : needed;
    if (length < needed)
        Refuse(QStringLiteral("%1 bytes of pixels where %2 are needed").arg(length).arg(needed));
    return DecodePixels(cursor.bytes(length), h, table);
}

QImage BmpCodec::readFile(QByteArrayView bytes, EmptyPicture empty)
{
    ByteCursor cursor(bytes);
    const BmpHeader h = ReadHeaders(cursor);
    Validate(h, empty == EmptyPicture::Allowed);
    const QList<QRgb> table = ReadColorTable(cursor, h);
    ByteCursor pixels(bytes, h.pixelOffset);
    return DecodePixels(pixels.bytes(PixelBytes(h)), h, table);
}

QByteArray BmpCodec::write(const QImage& source)
{
    const WriteLayout layout = ChooseLayout(source);
    const QImage& image = layout.image;
    const qint64 stride = Stride(image.width(), layout.bitCount);
    const qint64 imageSize = stride * image.height();
    const int tableEntries = layout.bitCount <= 8 ? (1 << layout.bitCount) : 0;
    const int extra = layout.fields ? 12 : tableEntries * 4;
    const quint32 offset = kFileHeaderSize + kInfoHeaderSize + extra;

    QByteArray out;
    out.reserve(qsizetype(offset + imageSize));
    PutHeaders(out, layout, offset, imageSize, tableEntries);
    if (layout.fields) {
        Put32(out, 0xF800);
        Put32(out, 0x07E0);
        Put32(out, 0x001F);
    }
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < tableEntries; ++i)
        Put32(out, i < table.size() ? (table[i] & 0x00FFFFFFu) : 0);
    for (int line = image.height() - 1; line >= 0; --line)
        out.append(EncodeRow(image, line, layout.bitCount, stride));
    return out;
}
