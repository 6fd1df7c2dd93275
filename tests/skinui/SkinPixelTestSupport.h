#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

// Pictures whose every pixel names its own coordinates, so a test can tell exactly which
// source pixel ended up where: red = x, green = y, blue = a fixed tag.
inline QImage CoordinateImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 0x5A));
    return image;
}

// The source coordinates a CoordinateImage pixel carries; (-1, -1) for any other colour
// (blank pixels included).
inline QPoint SourceOf(QRgb pixel)
{
    if (qBlue(pixel) != 0x5A)
        return QPoint(-1, -1);
    return QPoint(qRed(pixel), qGreen(pixel));
}

// The first pixel of image whose source is not expected(x, y), described for the failure
// message; empty when all match.
inline std::string FirstMismatch(const QImage& image, const std::function<QPoint(int, int)>& expected)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPoint got = SourceOf(image.pixel(x, y));
            const QPoint want = expected(x, y);
            if (got != want)
                return QStringLiteral("(%1,%2): got (%3,%4), want (%5,%6)")
                    .arg(x).arg(y).arg(got.x()).arg(got.y()).arg(want.x()).arg(want.y())
                    .toStdString();
        }
    return std::string();
}

// An image as rows of '#' (pixel equal to ink) and '.' (anything else).
inline QStringList InkPattern(const QImage& image, QRgb ink)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += (image.pixel(x, y) | 0xFF000000u) == (ink | 0xFF000000u) ? QLatin1Char('#')
                                                                          : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

// Nearest-neighbour position of destination pixel d of a span of length dstLen in a piece of
// length srcLen, sampling at pixel centres.
inline int Nearest(int d, int srcLen, int dstLen)
{
    return int((2LL * d + 1) * srcLen / (2LL * dstLen));
}

// Where destination coordinate d of an axis comes from when the middle of that axis is tiled:
// the head border stays, the tail border moves with the size.
inline int Tiled(int d, int head, int piece, int sourceLength, int destLength)
{
    const int tailStart = destLength - (sourceLength - head - piece);
    if (d < head)
        return d;
    if (d >= tailStart)
        return d - (destLength - sourceLength);
    return head + (d - head) % piece;
}
