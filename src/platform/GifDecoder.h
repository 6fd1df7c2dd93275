#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes the first frame of a GIF picture with giflib onto its logical screen, with the
// frame's transparent colour (if any) as transparent pixels.
class GifDecoder {
public:
    static QImage decode(QByteArrayView bytes);
};
