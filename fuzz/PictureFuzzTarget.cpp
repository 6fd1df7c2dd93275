#include "PictureFuzzTarget.h"

#include "FuzzInvariant.h"
#include "platform/DataFormatError.h"
#include "platform/PictureLimits.h"

void PictureFuzzTarget::run(QByteArrayView bytes)
{
    for (const auto& [type, decode] : ResourceImageDecoders())
        decodeChecked(decode, bytes);
}

void PictureFuzzTarget::decodeChecked(ImageDecoder decode, QByteArrayView bytes)
{
    QImage picture;
    try {
        picture = decode(bytes);
    } catch (const DataFormatError&) {
        return;
    }
    FuzzInvariant::require(!picture.isNull(), "a decoder returned no picture without an error");
    FuzzInvariant::require(picture.width() <= PictureLimits::MaxSide && picture.height() <= PictureLimits::MaxSide
                               && qint64(picture.width()) * picture.height() <= PictureLimits::MaxPixels,
                           "a decoded picture exceeds the size limits");
    FuzzInvariant::require(picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32,
                           "a decoded picture is not 32-bit");
}
