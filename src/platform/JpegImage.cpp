#include "platform/JpegImage.h"

#include "platform/JpegDecoder.h"

void JpegImage::LoadFromBytes(QByteArrayView bytes)
{
    image_ = JpegDecoder::decode(bytes);
}
