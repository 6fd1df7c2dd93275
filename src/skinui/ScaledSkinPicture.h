#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// A skin picture as a build for a device pixel ratio cuts it: the 1x picture, its double-size
// form (null when the skin has none) and the ratio. At a ratio above 1 a build cuts from the
// double-size form in device pixels, every rectangle, point and size of its logical arguments
// doubled, so corners stay whole pictures and tiles whole periods; what it makes is marked with
// its device pixel ratio and drawn at logical coordinates. Layout and hit tests stay logical.
struct ScaledSkinPicture {
    QImage picture;
    QImage doubleSize;
    qreal ratio = 1;

    // 2 when builds cut from the double-size form (a ratio above 1 and a double-size form
    // exactly twice the picture), else 1.
    int Scale() const;
    // The picture builds cut from.
    const QImage& Source() const;
    // Marks what a build made at Scale() for something size large (logical pixels) with the
    // device pixel ratio it is drawn at (DoubleSizeForRatio); a 1x build stays as it is.
    void Finish(QImage& built, const QSize& size) const;
    // Draws the part (logical pixels of the picture) at target's logical size: from the
    // double-size form where painter draws at a ratio above 1, shrunk smoothly below 2.
    void DrawPart(QPainter& painter, const QRect& target, const QRect& part) const;

    // picture and doubleSize as painter draws them.
    static ScaledSkinPicture For(const QPainter& painter, const QImage& picture, const QImage& doubleSize);
};

// rect with every coordinate multiplied by scale.
QRect ScaledRect(const QRect& rect, int scale);
