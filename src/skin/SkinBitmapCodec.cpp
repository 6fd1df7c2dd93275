#include "skin/SkinBitmapCodec.h"

#include "skin/SkinByteCursor.h"
#include "skin/SkinError.h"
#include "skin/SkinFileAccess.h"

#include <QtEndian>
#include <bit>

namespace {

constexpr quint32 kRgb = 0;
constexpr quint32 kBitFields = 3;
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;

struct BmpHeader {
    qint64 width = 0;
    qint64 height = 0; // negative: rows stored top-down
    int bitCount = 0;
    quint32 compression = kRgb;
    quint32 imageSize = 0;
    quint32 colorsUsed = 0;
    bool core = false;
    quint32 masks[3] = {0, 0, 0};
};

qint64 Stride(qint64 width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

bool ValidDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24
        || bitCount == 32;
}

BmpHeader ReadInfoHeader(SkinByteCursor& cursor)
{
    BmpHeader h;
    const quint32 headerSize = cursor.ReadUInt32();
    if (headerSize == kCoreHeaderSize) {
        h.core = true;
        h.width = cursor.ReadUInt16();
        h.height = cursor.ReadUInt16();
        cursor.ReadUInt16(); // planes
        h.bitCount = cursor.ReadUInt16();
        return h;
    }
    if (headerSize < kInfoHeaderSize)
        throw SkinError::InvalidBitmap();
    h.width = cursor.ReadInt32();
    h.height = cursor.ReadInt32();
    cursor.ReadUInt16(); // planes
    h.bitCount = cursor.ReadUInt16();
    h.compression = cursor.ReadUInt32();
    h.imageSize = cursor.ReadUInt32();
    cursor.Skip(8); // resolution
    h.colorsUsed = cursor.ReadUInt32();
    cursor.Skip(4); // important colours
    const bool fields = h.compression == kBitFields;
    const bool masksInHeader = headerSize >= kInfoHeaderSize + 12;
    if (fields && masksInHeader) {
        for (quint32& mask : h.masks)
            mask = cursor.ReadUInt32();
        cursor.Skip(qint64(headerSize) - kInfoHeaderSize - 12);
        return h;
    }
    cursor.Skip(qint64(headerSize) - kInfoHeaderSize);
    if (fields)
        for (quint32& mask : h.masks)
            mask = cursor.ReadUInt32();
    return h;
}

void Validate(const BmpHeader& h)
{
    const bool fieldsAllowed = h.compression == kBitFields && (h.bitCount == 16 || h.bitCount == 32);
    if (!ValidDepth(h.bitCount) || (h.compression != kRgb && !fieldsAllowed))
        throw SkinError::InvalidBitmap();
    if (h.width < 0 || h.width > SkinBitmapCodec::MaxDimension
        || qAbs(h.height) > SkinBitmapCodec::MaxDimension)
        throw SkinError::InvalidBitmap();
}

QList<QRgb> ReadColorTable(SkinByteCursor& cursor, const BmpHeader& h)
{
    const qint64 tableSize = h.bitCount <= 8 ? (qint64(1) << h.bitCount) : 0;
    const qint64 entries = h.colorsUsed != 0 ? qint64(h.colorsUsed) : tableSize;
    const int entrySize = h.core ? 3 : 4;
    if (entries > cursor.Remaining() / entrySize)
        throw SkinError::StreamRead();
    const QByteArrayView bytes = cursor.ReadBytes(entries * entrySize);
    QList<QRgb> table;
    for (qint64 i = 0; i < qMin(entries, tableSize); ++i) {
        const auto* e = reinterpret_cast<const uchar*>(bytes.data() + i * entrySize);
        table.append(qRgb(e[2], e[1], e[0]));
    }
    // Pad so that every index a row can hold names a colour.
    while (table.size() < tableSize)
        table.append(qRgb(0, 0, 0));
    return table;
}

QImage::Format TargetFormat(const BmpHeader& h)
{
    const bool fields = h.compression == kBitFields;
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

int MaskChannel(quint32 value, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint32 field = (value & mask) >> shift;
    const int bits = std::bit_width(mask >> shift);
    if (bits >= 8)
        return int(field >> (bits - 8));
    return int(field * 255 / ((1u << bits) - 1));
}

// Bit-field layouts that no QImage format stores directly.
void DecodeMaskedRow(const uchar* src, const BmpHeader& h, QRgb* dst)
{
    for (qint64 x = 0; x < h.width; ++x) {
        const quint32 v = h.bitCount == 16 ? qFromLittleEndian<quint16>(src + x * 2)
                                           : qFromLittleEndian<quint32>(src + x * 4);
        dst[x] = qRgb(MaskChannel(v, h.masks[0]), MaskChannel(v, h.masks[1]), MaskChannel(v, h.masks[2]));
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
        if (h.compression == kBitFields && h.masks[0] != 0xFF0000)
            return DecodeMaskedRow(src, h, px);
        for (qint64 x = 0; x < h.width; ++x)
            px[x] = 0xFF000000u | (qFromLittleEndian<quint32>(src + x * 4) & 0x00FFFFFFu);
        return;
    }
    default:
        memcpy(dst, src, size_t(image.bytesPerLine()));
    }
}

QImage DecodePixels(QByteArrayView pixels, const BmpHeader& h, const QList<QRgb>& table)
{
    QImage::Format format = TargetFormat(h);
    const bool masked = format == QImage::Format_Invalid;
    if (masked)
        format = QImage::Format_RGB32;
    const int height = int(qAbs(h.height));
    QImage image(int(h.width), height, format);
    if (image.isNull())
        throw SkinError::InvalidBitmap();
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

} // namespace

QImage SkinBitmapCodec::Read(SkinByteCursor& cursor)
{
    const QByteArrayView magic = cursor.ReadBytes(2);
    if (magic != QByteArrayView("BM"))
        throw SkinError::InvalidBitmap();
    cursor.Skip(kFileHeaderSize - 2);
    const BmpHeader h = ReadInfoHeader(cursor);
    Validate(h);
    const QList<QRgb> table = ReadColorTable(cursor, h);
    const qint64 needed = Stride(h.width, h.bitCount) * qAbs(h.height);
    const bool sized = h.compression == kBitFields && h.imageSize != 0;
    const qint64 length = sized ? qint64(h.imageSize) : needed;
    if (length < needed)
        throw SkinError::InvalidBitmap();
    const QByteArrayView pixels = cursor.ReadBytes(length);
    if (h.width == 0 || h.height == 0)
        return QImage();
    return DecodePixels(pixels, h, table);
}

QByteArray SkinBitmapCodec::Write(const QImage& source)
{
    const WriteLayout layout = ChooseLayout(source);
    const QImage& image = layout.image;
    const qint64 stride = Stride(image.width(), layout.bitCount);
    const qint64 imageSize = stride * image.height();
    const int tableEntries = layout.bitCount <= 8 ? (1 << layout.bitCount) : 0;
    const int extra = layout.fields ? 12 : tableEntries * 4;
    const quint32 offset = kFileHeaderSize + kInfoHeaderSize + extra;

    QByteArray out;
    out.reserve(int(offset + imageSize));
    out.append("BM", 2);
    Put32(out, quint32(offset + imageSize));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, quint32(image.width()));
    Put32(out, quint32(image.height()));
    Put16(out, 1);
    Put16(out, quint16(layout.bitCount));
    Put32(out, layout.fields ? kBitFields : kRgb);
    Put32(out, quint32(imageSize));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, quint32(tableEntries));
    Put32(out, 0);
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

QImage SkinBitmapCodec::LoadFile(const QString& path)
{
    const QByteArray data = SkinFileAccess::ReadAll(path);
    SkinByteCursor cursor(data);
    return Read(cursor);
}

void SkinBitmapCodec::SaveFile(const QImage& image, const QString& path)
{
    SkinFileAccess::WriteAll(path, Write(image));
}
