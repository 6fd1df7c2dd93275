#include "framework/DoubleSizePicture.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

bool IsDoubleSizeOf(const QImage& doubleSize, const QImage& base)
{
    return !base.isNull() && doubleSize.size() == base.size() * 2;
}

namespace {

// Drawn smoothly into a picture of size: the painter's filtering is several times faster than
// a smooth QImage::scaled, and as good for shrinking by less than half.
QImage SmoothlyScaled(const QImage& picture, const QSize& size)
{
    QImage scaled(size, picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    scaled.fill(Qt::transparent);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return scaled;
}

} // namespace

QImage DoubleSizeForRatio(QImage doubleSize, const QSize& logicalSize, qreal ratio)
{
    if (ratio < 2)
        doubleSize = SmoothlyScaled(doubleSize,
                                    QSize(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio)));
    doubleSize.setDevicePixelRatio(std::min<qreal>(ratio, 2));
    return doubleSize;
}

QImage PictureForRatio(const QImage& base, const QImage& doubleSize, qreal ratio)
{
    if (ratio <= 1 || !IsDoubleSizeOf(doubleSize, base))
        return base;
    return DoubleSizeForRatio(doubleSize, base.size(), ratio);
}

QImage CanvasForRatio(const QSize& size, qreal ratio)
{
    QImage canvas(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    return canvas;
}

qreal PaintingRatio(const QPainter& painter)
{
    const QTransform device = painter.deviceTransform();
    if (device.type() <= QTransform::TxScale && device.m11() == device.m22() && device.m11() > 0)
        return device.m11();
    return painter.device()->devicePixelRatioF();
}
