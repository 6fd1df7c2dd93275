#include "skincontrols/UpDownGeometry.h"

#include "skinui/SkinRect.h"

UpDownButtons UpDownButtons::Halves(const QSize& size, Qt::Orientation orientation)
{
    const int w = size.width();
    const int h = size.height();
    UpDownButtons buttons;
    if (orientation == Qt::Vertical) {
        buttons.rects[0] = SkinRect(0, 0, w, h / 2);
        buttons.rects[1] = SkinRect(0, h / 2, w, h);
    } else {
        buttons.rects[0] = SkinRect(w / 2, 0, w, h);
        buttons.rects[1] = SkinRect(0, 0, w / 2, h);
    }
    return buttons;
}

int UpDownButtons::ButtonAt(const QPoint& point, int pressed) const
{
    for (int i = 0; i < 2; ++i) {
        // An empty (or inverted) skin rectangle is no button at all.
        if (!rects[i].isEmpty() && PointInSkinRect(rects[i], point))
            return pressed >= 0 && i != pressed ? -1 : i;
    }
    return -1;
}
