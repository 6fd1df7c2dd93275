#pragma once

#include <QtGlobal>

// The largest pictures any decoder of the client accepts. Decoders check a picture's
// announced size against these before they allocate anything, so a damaged header cannot
// make them reserve gigabytes.
struct PictureSizeLimits {
    static constexpr qint64 MaxSide = 16384;
    static constexpr qint64 MaxPixels = qint64(1) << 24;
};
