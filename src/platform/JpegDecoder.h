#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a JPEG picture with libjpeg. Warnings count as errors, so truncated or corrupt data
// raises DataFormatError with the library's message instead of yielding a grey patch.
class JpegDecoder {
public:
    // The most scans a picture may have. Each scan of a progressive picture walks its
    // components' blocks again, so a file of a great many cheap refinement scans costs as many
    // decodes. Encoders' progressive scripts have ten scans for colour pictures (fourteen when
    // they keep RGB, six for grey); with this limit the costliest picture allowed takes about
    // twice the time of a plain one of its size.
    static constexpr int MaxScans = 16;

    static QImage decode(QByteArrayView bytes);
};
