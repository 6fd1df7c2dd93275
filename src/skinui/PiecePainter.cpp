#include "skinui/PiecePainter.h"

#include "skinui/SkinRect.h"

#include <algorithm>

PiecePainter::PiecePainter(QImage& destination, const QImage& picture)
    : painter_(&destination), picture_(picture)
{
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void PiecePainter::Copy(const QRect& source, const QPoint& at)
{
    if (source.width() <= 0 || source.height() <= 0)
        return;
    painter_.drawImage(at, picture_, source);
}

void PiecePainter::Stretch(const QRect& source, const QRect& target)
{
    if (source.width() <= 0 || source.height() <= 0 || target.width() <= 0 || target.height() <= 0)
        return;
    painter_.drawImage(target, picture_, source);
}

void PiecePainter::Tile(const QRect& source, const QRect& area)
{
    Tile(picture_, source, area);
}

void PiecePainter::Tile(const QImage& from, const QRect& source, const QRect& area)
{
    const int pw = source.width();
    const int ph = source.height();
    if (pw <= 0 || ph <= 0)
        return;
    for (int y = area.y(); y < BottomOf(area); y += ph) {
        const int h = std::min(ph, BottomOf(area) - y);
        for (int x = area.x(); x < RightOf(area); x += pw) {
            const int w = std::min(pw, RightOf(area) - x);
            painter_.drawImage(QPoint(x, y), from, QRect(source.x(), source.y(), w, h));
        }
    }
}

void ResetDestination(QImage& destination, const QImage& picture, int width, int height)
{
    if (width <= 0 || height <= 0) {
        destination = QImage();
        return;
    }
    const QImage::Format format =
        picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    destination = QImage(width, height, format);
    destination.fill(0);
}
