#include "skinui/CellHeightFont.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// The font at a height as FontWithHeight reads it.
QFont Sized(QFont font, int height)
{
    if (height > 0) {
        int pixelSize = height;
        font.setPixelSize(pixelSize);
        while (pixelSize > 1 && QFontMetrics(font).height() > height)
            font.setPixelSize(--pixelSize);
    } else if (height < 0) {
        font.setPixelSize(-height);
    }
    return font;
}

}  // namespace

QFont FontWithCellHeight(const QString& family, int cellHeight)
{
    return Sized(QFont(family), qMax(1, cellHeight));
}

QFont FontWithHeight(const QString& family, int height)
{
    return Sized(QFont(family), height);
}

QFont InterfaceFont(const QString& family, int height)
{
    QFont font(family);
    font.setFamilies(QStringList{family, QStringLiteral("WenQuanYi Zen Hei")});
    font.setHintingPreference(QFont::PreferFullHinting);
    return Sized(font, height);
}
