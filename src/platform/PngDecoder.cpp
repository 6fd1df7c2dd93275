#include "platform/PngDecoder.h"

#include "platform/DataFormatError.h"
#include "platform/PictureLimits.h"

#include <png.h>

namespace {

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
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), size_t(bytes.size())))
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
