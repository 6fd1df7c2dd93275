#pragma once

#include "skinui/NinePieceGeometry.h"
#include "skinui/SkinRect.h"

#include <QImage>

// A busy picture of the given size, every pixel different from its neighbours, so that no
// build can take a short cut over flat colour.
inline QImage BenchPicture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

// A 100 x 60 skin rectangle with 10-pixel borders and the corner points on the client corners.
inline NinePieceGeometry BenchGeometry()
{
    return NinePieceGeometry::AtClientCorners(SkinRect(10, 10, 90, 50));
}
