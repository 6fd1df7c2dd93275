#include "skinui/CellHeightFont.h"

#include <QFontMetrics>

QFont FontWithCellHeight(const QString& family, int cellHeight)
{
    QFont font(family);
    int pixelSize = qMax(1, cellHeight);
    font.setPixelSize(pixelSize);
    while (pixelSize > 1 && QFontMetrics(font).height() > cellHeight)
        font.setPixelSize(--pixelSize);
    return font;
}
