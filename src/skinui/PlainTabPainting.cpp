#include "skinui/PlainTabPainting.h"

#include "skinui/PlainFace.h"
#include "skinui/SkinColor.h"

#include <QPainter>

void PaintPlainPageFrame(QPainter& painter, QRect client, QRect pageArea)
{
    painter.fillRect(client, SystemColor(SkinColor::kButtonFace));
    painter.save();
    painter.setPen(QPen(SystemColor(SkinColor::kButtonShadow), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pageArea.adjusted(-1, -1, 0, 0));
    painter.restore();
}

void PaintPlainTabBackground(QPainter& painter, QSize size, TabPaintState state)
{
    const QRect all(QPoint(0, 0), size);
    if (!state.testFlag(TabPaintFlag::Active)) {
        painter.fillRect(all, state.testFlag(TabPaintFlag::MouseIn) ? PlainHotFill() : SystemColor(SkinColor::kButtonFace));
        return;
    }
    PaintPlainFace(painter, all, state.testFlag(TabPaintFlag::Focused) ? PlainFaceLook::Down : PlainFaceLook::Hot);
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
