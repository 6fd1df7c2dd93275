#include "skincontrols/TextLabelPainting.h"

#include "skin/TbsDataSkinStdLabelControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinText.h"

#include <QPainter>

#include <limits>

TextLabelSkin TextLabelSkin::Read(const TbsSkinData& store, const TbsDataSkinStdLabelControl& object)
{
    return {true, SkinFont(object), SkinColorOf(object.fontcolor), SkinColorOf(store.Colors().cbtnhighlight),
            SkinColorOf(store.Colors().cbtnshadow)};
}

QFont TextLabelFace::TextFont(const TextLabelSkin& skin) const
{
    if (skin.found)
        return useSkinFont ? skin.font : font;
    return useSkinFont ? defaultFont : font;
}

QColor TextLabelFace::TextColor(const TextLabelSkin& skin) const
{
    if (skin.found)
        return useSkinColor ? skin.color : fontColor;
    return useSkinFont ? defaultFontColor : fontColor;
}

int TextLabelFace::TextFlags() const
{
    return int(alignment) | Qt::AlignTop | Qt::TextExpandTabs | (wordWrap ? Qt::TextWordWrap : 0)
           | SkinTextFlags(SkinTextMode::Caption);
}

QSize TextLabelFace::TextSize(const TextLabelSkin& skin, int width) const
{
    const QFontMetrics metrics(TextFont(skin));
    const int room = wordWrap ? width : std::numeric_limits<int>::max() / 2;
    const QRect laid = metrics.boundingRect(QRect(0, 0, room, std::numeric_limits<int>::max() / 2), TextFlags(), text);
    // The text ends with a line break, which lays out one empty line more.
    return QSize(laid.width(), qMax(0, laid.height() - SkinTextHeight(metrics, QStringLiteral("A"))));
}

void PaintTextLabel(QPainter& painter, const QRect& rect, const TextLabelSkin& skin, const TextLabelFace& face,
                    bool enabled)
{
    painter.setFont(face.TextFont(skin));
    QRect place = rect;
    if (face.layout != tlTop) {
        const int free = rect.height() - face.TextSize(skin, rect.width()).height();
        place.translate(0, face.layout == tlCenter ? free / 2 : free);
    }
    const auto draw = [&](const QRect& at, const QColor& color) {
        painter.setPen(color);
        painter.drawText(at, face.TextFlags(), face.text);
    };
    if (enabled) {
        draw(place, face.TextColor(skin));
        return;
    }
    // Embossed: a highlight one pixel right and down, the shadow in place.
    draw(place.translated(1, 1), skin.found ? skin.highlight : SystemColor(SkinColor::kButtonHighlight));
    draw(place, skin.found ? skin.shadow : SystemColor(SkinColor::kButtonShadow));
}
