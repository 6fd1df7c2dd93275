#pragma once

#include "binary/BitmapFormatError.h"
#include "binary/TruncatedDataError.h"
#include "skin/SkinError.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class ByteCursor;

// The skin's side of the shared BMP codec: picture items of a package, picture files of an
// unpacked skin, and the skin's own texts for what the shared readers refuse ("Stream read
// error" for short data, "Bitmap image is not valid" for a bitmap the codec does not read).
class SkinBitmapCodec {
public:
    static QImage Read(ByteCursor& cursor);
    static QByteArray Write(const QImage& image);
    // A picture item: the absent flag, then the BMP file only when the flag is 0. Any other
    // flag reads as an absent (null) picture; a null picture is written as flag 1 alone.
    static QImage ReadItem(ByteCursor& cursor);
    static QByteArray WriteItem(const QImage& picture);

    // A picture file of an unpacked skin: its pixels lie where its file header says; a 0 x 0
    // file reads as an empty picture.
    static QImage LoadFile(const QString& path);
    static void SaveFile(const QImage& image, const QString& path);

    // Runs `read` over skin data and reports the shared readers' errors as SkinError.
    template <typename Read>
    static auto Translating(Read&& read) -> decltype(read())
    {
        try {
            return read();
        } catch (const TruncatedDataError&) {
            throw SkinError::StreamRead();
        } catch (const BitmapFormatError&) {
            throw SkinError::InvalidBitmap();
        }
    }
};
