#include "skinui/ColorKeyCopy.h"

#include <QPainter>

QImage ColorKeyed(const QImage& picture, const QRect& source, const QColor& key)
{
    // An inverted skin rectangle is empty, not its normalised mirror image.
    if (source.isEmpty())
        return QImage();
    const QRect inside = source.intersected(picture.rect());
    if (inside.isEmpty())
        return QImage();  // copy() of an empty rectangle would copy the whole picture
    QImage part = picture.copy(inside).convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = key.rgb() & RGB_MASK;
    for (int y = 0; y < part.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if ((row[x] & RGB_MASK) == keyRgb)
                row[x] = 0;
        }
    }
    return part;
}

void DrawColorKeyed(QPainter& painter, const QRect& target, const QImage& picture, const QRect& source,
                    const QColor& key)
{
    const QImage part = ColorKeyed(picture, source, key);
    if (part.isNull() || target.isEmpty())
        return;
    // The part of the target that the part of the source inside the picture maps to.
    const QRect inside = source.intersected(picture.rect());
    const auto scaleX = [&](int x) { return target.x() + int(qint64(x - source.x()) * target.width() / source.width()); };
    const auto scaleY = [&](int y) { return target.y() + int(qint64(y - source.y()) * target.height() / source.height()); };
    const QRect place(QPoint(scaleX(inside.x()), scaleY(inside.y())),
                      QPoint(scaleX(inside.x() + inside.width()) - 1, scaleY(inside.y() + inside.height()) - 1));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(place, part);
    painter.restore();
}
