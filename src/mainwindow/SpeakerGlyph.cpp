#include "mainwindow/SpeakerGlyph.h"

#include <QPainter>
#include <QPolygon>

void SpeakerGlyph::Paint(QPainter& painter, QPoint topLeft, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(topLeft);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    // The box, then the cone widening from it to the glyph's full height.
    painter.drawRect(0, 3, 3, 4);
    painter.drawPolygon(QPolygon({QPoint(3, 3), QPoint(6, 0), QPoint(6, 10), QPoint(3, 7)}));
    // Two waves, the inner one shorter.
    painter.fillRect(8, 3, 1, 4, color);
    painter.fillRect(10, 1, 1, 8, color);
    painter.restore();
}
