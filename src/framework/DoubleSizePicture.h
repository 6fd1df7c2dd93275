#pragma once

#include <QImage>
#include <QSize>

class QPainter;

// Pictures that come in two sizes: a 1x picture and, optionally, its double-size form, exactly
// twice as wide and as high, drawn where a device has more than one pixel per logical pixel.

// Whether doubleSize is exactly twice base in each dimension (and base is not empty).
bool IsDoubleSizeOf(const QImage& doubleSize, const QImage& base);

// A double-size picture of something logicalSize large, prepared for a device pixel ratio above
// 1: marked as ratio 2 from a ratio of 2 on; between 1 and 2, scaled down smoothly to
// logicalSize times the ratio and marked with the ratio, so that it is drawn pixel for pixel.
// A picture handed over (moved) is marked in place at 2, without a copy.
QImage DoubleSizeForRatio(QImage doubleSize, const QSize& logicalSize, qreal ratio);

// The picture to draw for base on a device of that pixel ratio, covering base's logical size:
// base at a ratio of 1 or less, or when doubleSize is null or not twice base; else
// DoubleSizeForRatio.
QImage PictureForRatio(const QImage& base, const QImage& doubleSize, qreal ratio);

// A transparent picture to paint something size large (logical pixels) on at ratio device
// pixels per logical pixel: as many device pixels as that covers, marked with the ratio, so
// that pictures and text painted on it keep the device's resolution.
QImage CanvasForRatio(const QSize& size, qreal ratio);

// Device pixels per logical pixel of what painter draws: the scale of its device transform
// where that only scales evenly and moves (a window's backing store, a grab, a render into a
// picture of another ratio), else its device's pixel ratio.
qreal PaintingRatio(const QPainter& painter);
