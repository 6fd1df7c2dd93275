#include "skinui/PlainTabPainting.h"

#include "skinui/SkinColor.h"

#include <QPainter>

namespace {
const QColor kHotFill(182, 189, 210);
const QColor kActiveFrame(0, 0, 128);
const QColor kFocusedActiveFill(133, 147, 181);

// One-pixel outline along the inside edge of a rectangle.
void DrawOutline(QPainter& painter, QRect rect, const QColor& color)
{
    painter.save();
    painter.setPen(QPen(color, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}
}  // namespace

void PaintPlainPageFrame(QPainter& painter, QRect client, QRect pageArea)
{
    painter.fillRect(client, SystemColor(SkinColor::kButtonFace));
    DrawOutline(painter, pageArea.adjusted(-1, -1, 1, 1), SystemColor(SkinColor::kButtonShadow));
}

void PaintPlainTabBackground(QPainter& painter, QSize size, TabPaintState state)
{
    const QRect all(QPoint(0, 0), size);
    if (!state.testFlag(TabPaintFlag::Active)) {
        painter.fillRect(all, state.testFlag(TabPaintFlag::MouseIn) ? kHotFill : SystemColor(SkinColor::kButtonFace));
        return;
    }
    painter.fillRect(all.adjusted(1, 1, -1, -1),
                     state.testFlag(TabPaintFlag::Focused) ? kFocusedActiveFill : kHotFill);
    DrawOutline(painter, all, kActiveFrame);
}

void PaintPlainCloseButton(QPainter& painter, QRect button, bool lit)
{
    const QRect cross = button.adjusted(3, 3, -4, -4);
    painter.save();
    painter.setPen(QPen(lit ? Qt::white : Qt::black, 2));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.restore();
}
