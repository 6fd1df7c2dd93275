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

QFont FontWithHeight(const QString& family, int height)
{
    if (height > 0)
        return FontWithCellHeight(family, height);
    QFont font(family);
    if (height < 0)
        font.setPixelSize(-height);
    return font;
}
