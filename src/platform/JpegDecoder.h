#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a JPEG picture with libjpeg. Warnings count as errors, so truncated or corrupt data
// raises DataFormatError with the library's message instead of yielding a grey patch.
class JpegDecoder {
public:
    static QImage decode(QByteArrayView bytes);
};
