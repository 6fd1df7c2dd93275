#include "skincontrols/LabelPainting.h"

#include "skin/TbsDataSkinLabelControl.h"
#include "skin/TbsDataSkinStdLabelControl.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinText.h"
#include "skinui/TextEffects.h"

#include <QPainter>

namespace {

void PaintBorder(QPainter& painter, const QRect& r, TbsLabelBorderStyle style)
{
    if (style == bvNone)
        return;
    const QColor shadow = SystemColor(SkinColor::kButtonShadow);
    const QColor light = SystemColor(SkinColor::kButtonHighlight);
    const QColor topLeft = style == bvRaised ? light : shadow;
    const QColor bottomRight = style == bvLowered ? light : shadow;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

void PaintCaption(QPainter& painter, const QRect& area, const LabelFace& face, const QFont& font, const QColor& color,
                  const QColor& shadow)
{
    if (face.caption.isEmpty() || area.isEmpty())
        return;
    painter.setFont(font);
    painter.setPen(color);
    painter.setClipRect(area);
    const QFontMetrics metrics(font);
    QString text = face.caption;
    if (face.ellipsType == bsetEllips)
        CutTextToWidth(metrics, text, area.width());
    const int textWidth = SkinTextWidth(metrics, text);
    const int textHeight = SkinTextHeight(metrics, text);
    int left = area.left();
    if (face.alignment & Qt::AlignRight)
        left = area.left() + area.width() - textWidth;
    else if (face.alignment & Qt::AlignHCenter)
        left = area.left() + (area.width() - textWidth) / 2;
    const int top = area.top() + area.height() / 2 - textHeight / 2;
    const QRect place(left, top, textWidth, textHeight);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (face.shadowEffect)
        DrawTextWithShadow(painter, text, place, flags, SkinTextMode::Caption, shadow, face.shadowSize,
                           face.shadowOffset);
    else if (face.reflectionEffect)
        DrawTextWithReflection(painter, text, place, flags, SkinTextMode::Caption, face.reflectionOffset);
    else
        DrawSkinText(painter, text, place, flags);
}

}  // namespace

template <class Object>
LabelSkin LabelSkin::Read(const Object& object)
{
    return {SkinFont(object), SkinColorOf(object.fontcolor)};
}
template LabelSkin LabelSkin::Read(const TbsDataSkinLabelControl&);
template LabelSkin LabelSkin::Read(const TbsDataSkinStdLabelControl&);

QRect LabelTextArea(const QSize& size, const CustomControlSkin& custom)
{
    return custom.valid ? custom.GeometryAt(size).clRect : QRect(QPoint(3, 3), size - QSize(6, 6));
}

QFont LabelFont(const CustomControlSkin& custom, const LabelSkin& skin, const LabelFace& face)
{
    return custom.valid && face.useSkinFont ? skin.font : face.defaultFont;
}

void PaintLabel(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const LabelSkin& skin,
                const LabelFace& face)
{
    const QRect area = LabelTextArea(size, custom);
    if (!custom.valid) {
        const QRect whole(QPoint(0, 0), size);
        painter.fillRect(whole, SystemColor(SkinColor::kButtonFace));
        PaintBorder(painter, whole, face.borderStyle);
        PaintCaption(painter, area, face, face.defaultFont, face.defaultFontColor, face.shadowColor);
        return;
    }
    custom.PaintPicture(painter, custom.skinRect, size, face.useSkinSize);
    const QColor color = face.useSkinFontColor ? skin.fontColor : face.defaultFontColor;
    const QColor shadow = face.useSkinFontColor ? DarkenColor(custom.face, 70) : face.shadowColor;
    PaintCaption(painter, area, face, LabelFont(custom, skin, face), color, shadow);
}
