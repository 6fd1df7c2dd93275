#include "skinui/PlainFace.h"

#include "skinui/SkinColor.h"

#include <QPainter>

namespace {
const QColor kNavy(0, 0, 128);
const QColor kHotFill(182, 189, 210);
const QColor kDownFill(133, 147, 181);
}  // namespace

QColor PlainHotFill()
{
    return kHotFill;
}

void PaintPlainFace(QPainter& painter, const QRect& rect, PlainFaceLook look)
{
    if (rect.isEmpty())
        return;
    const bool lit = look != PlainFaceLook::Normal;
    const QColor fill = look == PlainFaceLook::Down ? kDownFill : lit ? kHotFill : SystemColor(SkinColor::kButtonFace);
    painter.fillRect(rect, lit ? kNavy : SystemColor(SkinColor::kButtonShadow));
    painter.fillRect(rect.adjusted(1, 1, -1, -1), fill);
}
