#pragma once

#include "platform/DataFormatError.h"

// Decoders check a picture's announced size against these limits before they allocate
// anything, so a damaged header cannot make them reserve gigabytes.
class PictureLimits {
public:
    static constexpr qint64 MaxSide = 16384;
    static constexpr qint64 MaxPixels = qint64(1) << 24;

    static void check(qint64 width, qint64 height, const char* format)
    {
        if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide || width * height > MaxPixels)
            throw DataFormatError(QStringLiteral("%1 picture size %2 x %3 is not supported")
                                      .arg(QLatin1StringView(format))
                                      .arg(width)
                                      .arg(height));
    }
};
