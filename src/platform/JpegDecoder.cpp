#include "platform/JpegDecoder.h"

#include "platform/DataFormatError.h"
#include "platform/PictureLimits.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
    bool tooLarge = false;
};

[[noreturn]] void failDecoding(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        failDecoding(info);
}

// Called by the library while it reads the scans of a multi-scan picture.
void limitScans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= JpegDecoder::MaxScans)
        return;
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "more than %d scans", JpegDecoder::MaxScans);
    std::longjmp(errors->jump, 1);
}

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE OutputSpace = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE OutputSpace = JCS_EXT_ARGB;
#endif

// Holds no object with a destructor: libjpeg leaves it by longjmp on any error.
void decodeInto(jpeg_decompress_struct& info, ErrorManager& errors, QByteArrayView bytes, QImage& image)
{
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > PictureLimits::MaxSide || info.image_height > PictureLimits::MaxSide
        || qint64(info.image_width) * info.image_height > PictureLimits::MaxPixels) {
        errors.tooLarge = true;
        return;
    }
    info.out_color_space = OutputSpace;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
}

bool guardedDecode(jpeg_decompress_struct& info, ErrorManager& errors, QByteArrayView bytes, QImage& image)
{
    if (setjmp(errors.jump))
        return false;
    decodeInto(info, errors, bytes, image);
    return true;
}

} // namespace

QImage JpegDecoder::decode(QByteArrayView bytes)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    errors.base.emit_message = onMessage;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = limitScans;
    jpeg_create_decompress(&info);
    info.progress = &progress;
    QImage image;
    const bool decoded = guardedDecode(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        throw DataFormatError(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(errors.message)));
    if (errors.tooLarge)
        PictureLimits::check(info.image_width, info.image_height, "JPEG");
    return image;
}
