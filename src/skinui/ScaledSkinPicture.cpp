#include "skinui/ScaledSkinPicture.h"

#include "framework/DoubleSizePicture.h"

#include <QPainter>

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

void ScaledSkinPicture::DrawPart(QPainter& painter, const QRect& target, const QRect& part) const
{
    const int scale = Scale();
    if (scale == 1) {
        painter.drawImage(target, picture, part);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio < 2);
    painter.drawImage(target, doubleSize, ScaledRect(part, scale));
    painter.restore();
}

ScaledSkinPicture ScaledSkinPicture::For(const QPainter& painter, const QImage& picture, const QImage& doubleSize)
{
    return {picture, doubleSize, PaintingRatio(painter)};
}

QRect ScaledRect(const QRect& rect, int scale)
{
    return QRect(rect.topLeft() * scale, rect.size() * scale);
}
