#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a BMP resource of the pack, a whole bitmap file ("BM" header), through the shared
// BMP codec into Format_RGB32, or Format_ARGB32 when its bit fields carry alpha. Raises
// DataFormatError for anything the codec refuses or for short data.
class BmpDecoder {
public:
    static QImage decode(QByteArrayView bytes);
};
