#include "skinui/TbsFBitmap.h"

TbsFBitmap::TbsFBitmap(const QImage& picture)
    : bits_(picture.convertToFormat(QImage::Format_BGR888))
{
    // A picture too large to convert reads as an empty bitmap.
    if (bits_.isNull())
        return;
    width_ = bits_.width();
    height_ = bits_.height();
    stride_ = int(bits_.bytesPerLine());
    padding_ = stride_ - 3 * width_;
    rows_.reserve(size_t(height_));
    for (int y = 0; y < height_; ++y)
        rows_.push_back(bits_.constScanLine(y));
}
