#include "platform/PngImage.h"

#include "platform/PngDecoder.h"

void PngImage::LoadFromBytes(QByteArrayView bytes)
{
    image_ = PngDecoder::decode(bytes);
}
