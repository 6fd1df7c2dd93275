#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a PNG picture with libpng into 32-bit ARGB, keeping its alpha channel. Comments,
// profiles and other chunks that do not change the pixels are skipped unread.
class PngDecoder {
public:
    static QImage decode(QByteArrayView bytes);
};
