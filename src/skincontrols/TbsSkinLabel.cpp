#include "skincontrols/TbsSkinLabel.h"

#include "skin/TbsDataSkinLabelControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinText.h"
#include "skinui/TextEffects.h"

#include <QPainter>

TbsSkinLabel::TbsSkinLabel(QWidget* parent) : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("label"));
    resize(75, 21);
}

void TbsSkinLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    ApplyAutoSize();
    update();
}

void TbsSkinLabel::SetBorderStyle(TbsLabelBorderStyle style)
{
    borderStyle_ = style;
    update();
}

void TbsSkinLabel::SetAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void TbsSkinLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    ApplyAutoSize();
}

void TbsSkinLabel::SetUseSkinFontColor(bool use)
{
    useSkinFontColor_ = use;
    update();
}

void TbsSkinLabel::SetEllipsType(TbsEllipsType type)
{
    ellipsType_ = type;
    update();
}

void TbsSkinLabel::SetShadowEffect(bool shadow)
{
    shadowEffect_ = shadow;
    update();
}

void TbsSkinLabel::SetShadowSize(int size)
{
    shadowSize_ = size;
    update();
}

void TbsSkinLabel::SetShadowOffset(int offset)
{
    shadowOffset_ = offset;
    update();
}

void TbsSkinLabel::SetShadowColor(const QColor& color)
{
    shadowColor_ = color;
    update();
}

void TbsSkinLabel::SetReflectionEffect(bool reflection)
{
    reflectionEffect_ = reflection;
    update();
}

void TbsSkinLabel::SetReflectionOffset(int offset)
{
    reflectionOffset_ = offset;
    update();
}

QRect TbsSkinLabel::TextArea() const
{
    return SkinIndex() >= 0 ? CurrentGeometry().clRect : rect().adjusted(3, 3, -3, -3);
}

const TbsDataSkinCustomControl* TbsSkinLabel::FindSkinObject() const
{
    return SkinObject<TbsDataSkinLabelControl>();
}

void TbsSkinLabel::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* object = SkinIndex() >= 0 ? SkinObject<TbsDataSkinLabelControl>() : nullptr;
    if (!object)
        return;
    skinFont_ = SkinFont(*object);
    skinFontColor_ = SkinColorToQColor(quint32(object->fontcolor));
}

void TbsSkinLabel::ApplyAutoSize()
{
    if (!autoSize_)
        return;
    GetSkinData();
    const bool skinned = SkinIndex() >= 0;
    const QFont font = skinned && UseSkinFont() ? skinFont_ : DefaultFont();
    const int textWidth = SkinTextWidth(QFontMetrics(font), caption_);
    // Without a skin the text keeps 2 pixels each side; with one, the borders of the skin.
    resize(textWidth + (skinned ? width() - TextArea().width() : 4), height());
}

void TbsSkinLabel::PaintBorder(QPainter& painter) const
{
    if (borderStyle_ == bvNone)
        return;
    const QColor shadow = SystemColor(SkinColor::kButtonShadow);
    const QColor light = SystemColor(SkinColor::kButtonHighlight);
    const QColor topLeft = borderStyle_ == bvFrame ? shadow : borderStyle_ == bvRaised ? light : shadow;
    const QColor bottomRight = borderStyle_ == bvFrame ? shadow : borderStyle_ == bvRaised ? shadow : light;
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

void TbsSkinLabel::PaintPlain(QPainter& painter)
{
    painter.fillRect(rect(), SystemColor(SkinColor::kButtonFace));
    PaintBorder(painter);
    PaintCaption(painter, DefaultFont(), DefaultFontColor(), shadowColor_);
}

void TbsSkinLabel::PaintSkinned(QPainter& painter)
{
    TbsSkinCustomControl::PaintSkinned(painter);
    const QFont font = UseSkinFont() ? skinFont_ : DefaultFont();
    const QColor color = useSkinFontColor_ ? skinFontColor_ : DefaultFontColor();
    const QColor shadow = useSkinFontColor_
                              ? DarkenColor(SkinFace(), 70)
                              : shadowColor_;
    PaintCaption(painter, font, color, shadow);
}

void TbsSkinLabel::PaintCaption(QPainter& painter, const QFont& font, const QColor& color, const QColor& shadow)
{
    const QRect area = TextArea();
    if (caption_.isEmpty() || area.isEmpty())
        return;
    painter.setFont(font);
    painter.setPen(color);
    painter.setClipRect(area);
    const QFontMetrics metrics(font);
    QString text = caption_;
    if (ellipsType_ == bsetEllips)
        CutTextToWidth(metrics, text, area.width());
    const int textWidth = SkinTextWidth(metrics, text);
    const int textHeight = SkinTextHeight(metrics, text);
    int left = area.left();
    if (alignment_ & Qt::AlignRight)
        left = area.left() + area.width() - textWidth;
    else if (alignment_ & Qt::AlignHCenter)
        left = area.left() + (area.width() - textWidth) / 2;
    const int top = area.top() + area.height() / 2 - textHeight / 2;
    const QRect place(left, top, textWidth, textHeight);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (shadowEffect_)
        DrawTextWithShadow(painter, text, place, flags, SkinTextMode::Caption, shadow, shadowSize_, shadowOffset_);
    else if (reflectionEffect_)
        DrawTextWithReflection(painter, text, place, flags, SkinTextMode::Caption, reflectionOffset_);
    else
        DrawSkinText(painter, text, place, flags);
}
