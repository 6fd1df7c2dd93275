#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class SkinByteCursor;

// Windows BMP files as the skin package stores them: 1, 4, 8, 16, 24 and 32 bits per pixel,
// 12-byte core and 40-byte information headers, plain or bit-field pixels, no run-length
// compression. Reading leaves the cursor right behind the pixel data, whatever the file header
// claims about total size and pixel offset.
//
// Pixel depths survive a read-write round trip: 1 bit reads as Format_Mono, 4 and 8 bits as
// Format_Indexed8 with a 16- or 256-entry table, 16 bits as Format_RGB555 or Format_RGB16,
// 24 bits as Format_BGR888 and 32 bits as Format_RGB32 (other bit-field layouts are converted
// to Format_RGB32).
class SkinBitmapCodec {
public:
    // Larger pictures are refused before anything is allocated.
    static constexpr qint64 MaxDimension = 16384;

    static QImage Read(SkinByteCursor& cursor);
    static QByteArray Write(const QImage& image);

    static QImage LoadFile(const QString& path);
    static void SaveFile(const QImage& image, const QString& path);
};
