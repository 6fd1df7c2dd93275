#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

// A 32-bit top-down picture (blue, green, red, alpha per pixel) with its own painter, the
// source of layered-window updates. Without pixels it has no painter either.
class TbsBitmap {
public:
    TbsBitmap() = default;
    // A copy of picture with opaque pixels.
    explicit TbsBitmap(const QImage& picture);
    ~TbsBitmap();
    TbsBitmap(const TbsBitmap&) = delete;
    TbsBitmap& operator=(const TbsBitmap&) = delete;

    // Takes the absolute values of width and height; does nothing for a zero or unchanged
    // size, otherwise makes new blank pixels. Throws SkinUiError "Can't allocate the DIB handle",
    // "Can't create compatible DC" or "Can't bslect an object into DC", leaving the bitmap
    // without pixels.
    void Resize(int width, int height);

    bool IsNull() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    // The painter on the pixels; null when there are none.
    QPainter* Canvas() { return painter_.get(); }

private:
    void Release();
    void Attach();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
};
