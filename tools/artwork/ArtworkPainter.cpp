#include "ArtworkPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace ArtworkPainter {

QColor Shade(const QColor& color, int percent)
{
    return percent >= 0 ? color.lighter(100 + percent) : color.darker(100 - percent);
}

QImage Canvas(int width, int height, const QColor& fill, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

QRect LogicalRect(const QImage& image)
{
    return QRect(QPoint(0, 0), image.deviceIndependentSize().toSize());
}

void CenteredText(QImage& image, const QString& text, int pixelSize, const QColor& color, bool bold)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(LogicalRect(image), Qt::AlignCenter, text);
}

void VerticalGradient(QImage& image, const QColor& top, const QColor& bottom)
{
    QPainter painter(&image);
    const QRect area = LogicalRect(image);
    QLinearGradient gradient(0, 0, 0, area.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(area, gradient);
}

bool Save(const QImage& image, const QString& path)
{
    if (path.endsWith(QLatin1String(".jpg")))
        return image.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", 95);
    return image.save(path, "PNG");
}

bool SaveBothSizes(const ScaledDrawing& draw, const QString& dir, const QString& name, const char* suffix)
{
    const QString extension = QLatin1StringView(suffix);
    return Save(draw(1), dir + name + extension) && Save(draw(2), dir + name + QStringLiteral("@2x") + extension);
}

}  // namespace ArtworkPainter
