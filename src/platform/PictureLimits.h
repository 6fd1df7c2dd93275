#pragma once

#include "binary/PictureSizeLimits.h"
#include "platform/DataFormatError.h"

// The picture decoders' size check: it raises the decoders' own error for a picture beyond
// the client's limits.
class PictureLimits : public PictureSizeLimits {
public:
    static void check(qint64 width, qint64 height, const char* format)
    {
        if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide || width * height > MaxPixels)
            throw DataFormatError(QStringLiteral("%1 picture size %2 x %3 is not supported")
                                      .arg(QLatin1StringView(format))
                                      .arg(width)
                                      .arg(height));
    }
};
