#pragma once

#include <QByteArrayView>
#include <QImage>

class ByteCursor;

// Decodes an uncompressed device-independent bitmap file ("BM" header): 1, 4 and 8 bits with
// a palette, 16 bits (5-5-5 or bit fields), 24 bits and 32 bits (plain or bit fields, the
// alpha mask, if any, kept). Raises DataFormatError for anything else or for short data.
class BmpDecoder {
public:
    static QImage decode(QByteArrayView bytes);

private:
    struct Header;

    static Header readHeader(ByteCursor& cursor);
    static void readMasks(ByteCursor& cursor, Header& header, quint32 headerSize);
    static void readPalette(ByteCursor& cursor, Header& header, quint32 headerSize);
    static QImage readPixels(QByteArrayView bytes, const Header& header);
    static QRgb pixelAt(const uchar* row, int x, const Header& header);
};
