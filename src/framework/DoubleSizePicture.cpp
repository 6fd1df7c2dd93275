#include "framework/DoubleSizePicture.h"

#include <QPainter>

#include <algorithm>

bool IsDoubleSizeOf(const QImage& doubleSize, const QImage& base)
{
    return !base.isNull() && doubleSize.size() == base.size() * 2;
}

QImage DoubleSizeForRatio(const QImage& doubleSize, const QSize& logicalSize, qreal ratio)
{
    QImage picture = ratio >= 2 ? doubleSize
                                : doubleSize.scaled(qRound(logicalSize.width() * ratio),
                                                    qRound(logicalSize.height() * ratio), Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation);
    picture.setDevicePixelRatio(std::min<qreal>(ratio, 2));
    return picture;
}

QImage PictureForRatio(const QImage& base, const QImage& doubleSize, qreal ratio)
{
    if (ratio <= 1 || !IsDoubleSizeOf(doubleSize, base))
        return base;
    return DoubleSizeForRatio(doubleSize, base.size(), ratio);
}

qreal PaintingRatio(const QPainter& painter)
{
    const QTransform device = painter.deviceTransform();
    if (device.type() <= QTransform::TxScale && device.m11() == device.m22() && device.m11() > 0)
        return device.m11();
    return painter.device()->devicePixelRatioF();
}
