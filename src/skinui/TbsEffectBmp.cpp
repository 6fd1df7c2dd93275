#include "skinui/TbsEffectBmp.h"

#include "skinui/SkinUiError.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

uchar Clamp(double v)
{
    return uchar(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

TbsEffectBmp::TbsEffectBmp(const QImage& picture)
    : image_(picture.convertToFormat(QImage::Format_BGR888))
{
}

void TbsEffectBmp::Draw(QPainter& painter, const QPoint& at) const
{
    painter.drawImage(at, image_);
}

// Hands fn each pixel's three channels through a row buffer of width x 3 bytes.
template <typename PixelFn>
void TbsEffectBmp::ForEachPixel(PixelFn fn)
{
    const int width = Width();
    std::vector<uchar> buffer(size_t(width) * 3);
    for (int y = 0; y < Height(); ++y) {
        std::copy_n(Row(y), buffer.size(), buffer.begin());
        for (int x = 0; x < width; ++x)
            fn(&buffer[size_t(x) * 3], x, y);
        std::copy(buffer.begin(), buffer.end(), Row(y));
    }
}

void TbsEffectBmp::Lighten(double amount)
{
    ForEachPixel([amount](uchar* px, int, int) {
        for (int c = 0; c < 3; ++c)
            px[c] = Clamp((1 - amount) * px[c] + amount * 255);
    });
}

void TbsEffectBmp::Darken(double amount)
{
    ForEachPixel([amount](uchar* px, int, int) {
        for (int c = 0; c < 3; ++c)
            px[c] = Clamp((1 - amount) * px[c]);
    });
}

void TbsEffectBmp::Grey()
{
    // Bytes are blue, green, red.
    ForEachPixel([](uchar* px, int, int) {
        const uchar g = Clamp(0.3 * px[2] + 0.59 * px[1] + 0.11 * px[0]);
        px[0] = px[1] = px[2] = g;
    });
}

void TbsEffectBmp::Noise(QRandomGenerator& random)
{
    ForEachPixel([&random](uchar* px, int, int) {
        const int delta = int(random.bounded(50)) - 25;
        for (int c = 0; c < 3; ++c)
            px[c] = Clamp(px[c] + delta);
    });
}

void TbsEffectBmp::Blur()
{
    const QImage source = image_.copy();
    const int w = Width();
    const int h = Height();
    ForEachPixel([&source, w, h](uchar* px, int x, int y) {
        const int left = std::max(x - 1, 0);
        const int right = std::min(x + 1, w - 1);
        const uchar* above = source.constScanLine(std::max(y - 1, 0));
        const uchar* below = source.constScanLine(std::min(y + 1, h - 1));
        for (int c = 0; c < 3; ++c) {
            const int sum = above[left * 3 + c] + above[right * 3 + c] + below[left * 3 + c]
                + below[right * 3 + c];
            px[c] = Clamp(sum / 4.0);
        }
    });
}

void TbsEffectBmp::Invert()
{
    ForEachPixel([](uchar* px, int, int) {
        for (int c = 0; c < 3; ++c)
            px[c] = uchar(255 - px[c]);
    });
}

void TbsEffectBmp::Blend(const TbsEffectBmp& other, double x)
{
    if (other.image_.size() != image_.size())
        throw SkinUiError(QStringLiteral("Cannot blend a %1 x %2 picture with a %3 x %4 one")
                              .arg(Width())
                              .arg(Height())
                              .arg(other.Width())
                              .arg(other.Height()));
    const double t = std::clamp(x, 0.0, 1.0);
    ForEachPixel([&other, t](uchar* px, int col, int row) {
        const uchar* b = other.Row(row) + col * 3;
        for (int c = 0; c < 3; ++c)
            px[c] = Clamp((1 - t) * px[c] + t * b[c]);
    });
}

void TbsEffectBmp::ApplyInactiveEffect(int effect, QRandomGenerator& random)
{
    switch (effect) {
    case 0: Lighten(0.5); break;
    case 1: Darken(0.3); break;
    case 2: Grey(); break;
    case 3: Noise(random); break;
    case 4: Blur(); break;
    case 5: Invert(); break;
    default: break;
    }
}
