#include "platform/BmpDecoder.h"

#include "binary/BmpCodec.h"
#include "platform/DataFormatError.h"

QImage BmpDecoder::decode(QByteArrayView bytes)
{
    const QImage image = DataFormatError::translating([&] { return BmpCodec::readFile(bytes); });
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}
