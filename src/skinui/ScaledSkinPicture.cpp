#include "skinui/ScaledSkinPicture.h"

#include "framework/DoubleSizePicture.h"

#include <utility>

int ScaledSkinPicture::Scale() const
{
    return ratio > 1 && IsDoubleSizeOf(doubleSize, picture) ? 2 : 1;
}

const QImage& ScaledSkinPicture::Source() const
{
    return Scale() == 2 ? doubleSize : picture;
}

void ScaledSkinPicture::Finish(QImage& built, const QSize& size) const
{
    if (Scale() == 2 && !built.isNull())
        built = DoubleSizeForRatio(std::move(built), size, ratio);
}

QRect ScaledRect(const QRect& rect, int scale)
{
    return QRect(rect.topLeft() * scale, rect.size() * scale);
}
