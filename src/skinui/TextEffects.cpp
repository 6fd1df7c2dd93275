#include "skinui/TextEffects.h"

#include "framework/DoubleSizePicture.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <vector>

namespace {

// The text alone on a transparent picture of rect's size and margin more on every side, and
// where it lies in there (logical pixels). The picture has the painter's device pixel ratio, so
// the text is as fine as the text drawn directly beside it.
QImage TextPicture(const QPainter& painter, const QString& text, const QRect& rect, int flags, SkinTextMode mode,
                   const QColor& color, int margin, QRect& used)
{
    const qreal ratio = PaintingRatio(painter);
    const QSize size = rect.size() + QSize(2 * margin, 2 * margin);
    QImage picture(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter canvas(&picture);
    canvas.setFont(painter.font());
    canvas.setPen(color);
    canvas.drawText(QRect(QPoint(margin, margin), rect.size()), flags | SkinTextFlags(mode), text, &used);
    return picture;
}

// One pass of a box blur of the given radius along rows (or columns), premultiplied channels.
void BoxBlur(QImage& image, int radius, bool alongRows)
{
    const int lines = alongRows ? image.height() : image.width();
    const int length = alongRows ? image.width() : image.height();
    std::vector<QRgb> line(size_t(length), 0);
    const auto at = [&](int l, int i) -> QRgb& {
        return reinterpret_cast<QRgb*>(image.scanLine(alongRows ? l : i))[alongRows ? i : l];
    };
    const int span = 2 * radius + 1;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < length; ++i)
            line[size_t(i)] = at(l, i);
        for (int i = 0; i < length; ++i) {
            int sum[4] = {0, 0, 0, 0};
            for (int k = std::max(0, i - radius); k <= std::min(length - 1, i + radius); ++k) {
                const QRgb p = line[size_t(k)];
                sum[0] += qRed(p);
                sum[1] += qGreen(p);
                sum[2] += qBlue(p);
                sum[3] += qAlpha(p);
            }
            at(l, i) = qRgba(sum[0] / span, sum[1] / span, sum[2] / span, sum[3] / span);
        }
    }
}

}  // namespace

void DrawTextWithShadow(QPainter& painter, const QString& text, const QRect& rect, int flags, SkinTextMode mode,
                        const QColor& shadowColor, int radius, int offset)
{
    QRect used;
    const int margin = std::max(0, radius);
    QImage shadow = TextPicture(painter, text, rect, flags, mode, shadowColor, margin, used);
    // The blur spreads as far at any ratio: its radius counts device pixels.
    const int deviceRadius = qRound(radius * shadow.devicePixelRatio());
    if (deviceRadius > 0) {
        BoxBlur(shadow, deviceRadius, true);
        BoxBlur(shadow, deviceRadius, false);
    }
    painter.drawImage(rect.topLeft() + QPoint(offset - margin, offset - margin), shadow);
    DrawSkinText(painter, text, rect, flags, mode);
}

void DrawTextWithReflection(QPainter& painter, const QString& text, const QRect& rect, int flags,
                            SkinTextMode mode, int offset)
{
    QRect used;
    QImage reflection = TextPicture(painter, text, rect, flags, mode, painter.pen().color(), 0, used);
    if (!used.isEmpty()) {
        const qreal ratio = reflection.devicePixelRatio();
        const QRect device(qFloor(used.x() * ratio), qFloor(used.y() * ratio), qCeil(used.width() * ratio),
                           qCeil(used.height() * ratio));
        reflection = reflection.copy(device).mirrored(false, true);
        reflection.setDevicePixelRatio(ratio);
        {
            QPainter fade(&reflection);
            fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            QLinearGradient gradient(0, 0, 0, used.height());
            gradient.setColorAt(0, QColor(0, 0, 0, 128));
            gradient.setColorAt(1, QColor(0, 0, 0, 0));
            fade.fillRect(QRect(QPoint(0, 0), used.size()), gradient);
        }
        painter.drawImage(rect.topLeft() + QPoint(used.x(), used.y() + used.height() + offset), reflection);
    }
    DrawSkinText(painter, text, rect, flags, mode);
}
