#include "platform/PngDecoder.h"

#include "binary/ByteCursor.h"
#include "platform/DataFormatError.h"
#include "platform/PictureLimits.h"

#include <QtEndian>
#include <png.h>

namespace {

constexpr QByteArrayView Signature("\x89PNG\r\n\x1a\n", 8);

// Critical chunks, and the ancillary ones that change the decoded pixels.
bool decidesPixels(QByteArrayView type)
{
    const bool critical = (type.at(0) & 0x20) == 0;
    return critical || type == "tRNS" || type == "gAMA" || type == "cHRM" || type == "sRGB";
}

// libpng inflates text and profile chunks while it reads the header, up to megabytes each: a
// one-pixel picture carrying a few hundred kilobytes of compressed comments took most of a
// second. Only the chunks that decide the pixels are passed on; from a chunk that runs past
// the end on, the bytes go through unchanged for libpng to report.
QByteArray pixelChunks(QByteArrayView bytes)
{
    if (!bytes.startsWith(Signature))
        return bytes.toByteArray();
    QByteArray kept = Signature.toByteArray();
    ByteCursor cursor(bytes, Signature.size());
    while (cursor.remaining() >= 12) {
        const qint64 start = cursor.position();
        const quint32 length = qFromBigEndian<quint32>(cursor.bytes(4).data());
        const QByteArrayView type = cursor.bytes(4);
        if (!ByteCursor::contains(cursor.remaining(), 0, qint64(length) + 4)) {
            cursor.seek(start);
            break;
        }
        cursor.skip(qint64(length) + 4);
        if (decidesPixels(type))
            kept += bytes.sliced(start, cursor.position() - start);
        if (type == "IEND")
            return kept;
    }
    kept.append(cursor.rest());
    return kept;
}

[[noreturn]] void fail(png_image& image)
{
    const QString message = QString::fromLocal8Bit(image.message);
    png_image_free(&image);
    throw DataFormatError(QStringLiteral("PNG error: %1").arg(message));
}

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr png_uint_32 OutputFormat = PNG_FORMAT_BGRA;
#else
constexpr png_uint_32 OutputFormat = PNG_FORMAT_ARGB;
#endif

} // namespace

QImage PngDecoder::decode(QByteArrayView bytes)
{
    const QByteArray chunks = pixelChunks(bytes);
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, chunks.constData(), size_t(chunks.size())))
        fail(png);
    try {
        PictureLimits::check(png.width, png.height, "PNG");
    } catch (...) {
        png_image_free(&png);
        throw;
    }
    png.format = OutputFormat;
    QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (!png_image_finish_read(&png, nullptr, image.bits(), png_int_32(image.bytesPerLine()), nullptr))
        fail(png);
    return image;
}
