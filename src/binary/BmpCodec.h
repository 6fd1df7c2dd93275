#pragma once

#include "binary/PictureSizeLimits.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

class ByteCursor;

// Windows BMP files: 1, 4, 8, 16, 24 and 32 bits per pixel, 12-byte core and 40-byte (or
// longer) information headers, plain or bit-field pixels, no run-length compression.
//
// A picture item of a skin package ends right behind its pixel data, whatever the file header
// claims about total size and pixel offset, and may be empty (0 x 0). A whole file, such as a
// resource of the pack or a picture file of an unpacked skin, keeps its pixels where the file
// header's offset says; a resource of the pack shows at least one pixel, a skin's picture file
// may be empty. Both reads check the size caps before anything is allocated, and raise
// BitmapFormatError for what they do not read and TruncatedDataError for short data.
//
// Pixel depths survive a read-write round trip: 1 bit reads as Format_Mono, 4 and 8 bits as
// Format_Indexed8 with a 16- or 256-entry table, 16 bits as Format_RGB555 or Format_RGB16,
// 24 bits as Format_BGR888 and 32 bits as Format_RGB32. Other bit-field layouts are decoded
// through their masks to Format_RGB32, or to Format_ARGB32 when the header has an alpha mask.
class BmpCodec {
public:
    enum class EmptyPicture { Refused, Allowed };

    static QImage readItem(ByteCursor& cursor);
    static QImage readFile(QByteArrayView bytes, EmptyPicture empty = EmptyPicture::Refused);
    static QByteArray write(const QImage& image);
};
