#pragma once

#include <QImage>

#include <vector>

// A 24-bit top-down copy of a picture for fast pixel reads: blue, green, red per pixel, rows
// padded to four bytes (stride 3 * width + width mod 4), with a precomputed pointer per row.
// Region building reads masks through it instead of asking the picture pixel by pixel.
class TbsFBitmap {
public:
    explicit TbsFBitmap(const QImage& picture);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    int Padding() const { return padding_; }
    qsizetype Size() const { return qsizetype(stride_) * height_; }
    const uchar* Bits() const { return bits_.constBits(); }
    // Row y (0 <= y < Height()), Width() pixels of three bytes each.
    const uchar* Row(int y) const { return rows_[size_t(y)]; }

private:
    QImage bits_;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    int padding_ = 0;
    std::vector<const uchar*> rows_;
};
