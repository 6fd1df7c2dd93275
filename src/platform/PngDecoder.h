#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a PNG picture with libpng into 32-bit ARGB, keeping its alpha channel.
class PngDecoder {
public:
    static QImage decode(QByteArrayView bytes);
};
