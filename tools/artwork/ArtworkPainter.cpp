#include "ArtworkPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace ArtworkPainter {

QColor Shade(const QColor& color, int percent)
{
    return percent >= 0 ? color.lighter(100 + percent) : color.darker(100 - percent);
}

QImage Canvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
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
    painter.drawText(image.rect(), Qt::AlignCenter, text);
}

void VerticalGradient(QImage& image, const QColor& top, const QColor& bottom)
{
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(image.rect(), gradient);
}

bool Save(const QImage& image, const QString& path)
{
    if (path.endsWith(QLatin1String(".jpg")))
        return image.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", 95);
    return image.save(path, "PNG");
}

}  // namespace ArtworkPainter
