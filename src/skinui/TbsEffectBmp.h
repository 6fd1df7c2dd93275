#pragma once

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

// A 24-bit top-down copy of a picture (three bytes per pixel, rows padded to four bytes) that
// the colour effects of inactive frames work on, one row at a time. Every effect rounds each
// channel and clamps it to 0..255.
class TbsEffectBmp {
public:
    explicit TbsEffectBmp(const QImage& picture);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    uchar* Row(int y) { return image_.scanLine(y); }
    const uchar* Row(int y) const { return image_.constScanLine(y); }
    const QImage& Image() const { return image_; }
    void Draw(QPainter& painter, const QPoint& at) const;

    // v' = (1 - amount) * v + amount * 255.
    void Lighten(double amount);
    // v' = (1 - amount) * v.
    void Darken(double amount);
    // All three channels become 0.3 R + 0.59 G + 0.11 B.
    void Grey();
    // Adds one random value from -25 to 24 to all three channels of each pixel.
    void Noise(QRandomGenerator& random);
    // Each pixel becomes the mean of its four diagonal neighbours, the picture's edge rows and
    // columns standing in for neighbours outside it.
    void Blur();
    void Invert();
    // v' = (1 - x) * this + x * other, x clamped to 0..1. Throws SkinUiError when the pictures
    // differ in size.
    void Blend(const TbsEffectBmp& other, double x);

    // The inactive-frame effect with the skin's number: 0 lighten by 0.5, 1 darken by 0.3,
    // 2 grey, 3 noise, 4 blur, 5 invert; other numbers change nothing.
    void ApplyInactiveEffect(int effect, QRandomGenerator& random);

private:
    template <typename PixelFn>
    void ForEachPixel(PixelFn fn);

    QImage image_;
};
