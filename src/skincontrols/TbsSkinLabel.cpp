#include "skincontrols/TbsSkinLabel.h"

#include "skin/TbsDataSkinLabelControl.h"
#include "skinui/SkinText.h"

TbsSkinLabel::TbsSkinLabel(QWidget* parent) : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("label"));
    resize(75, 21);
}

template <class Field>
void TbsSkinLabel::SetFaceField(Field LabelFace::*field, const Field& value)
{
    if (face_.*field == value)
        return;
    face_.*field = value;
    update();
}

void TbsSkinLabel::SetCaption(const QString& caption)
{
    if (caption == face_.caption)
        return;
    face_.caption = caption;
    ApplyAutoSize();
    update();
}

void TbsSkinLabel::SetBorderStyle(TbsLabelBorderStyle style)
{
    SetFaceField(&LabelFace::borderStyle, style);
}

void TbsSkinLabel::SetAlignment(Qt::Alignment alignment)
{
    SetFaceField(&LabelFace::alignment, alignment);
}

void TbsSkinLabel::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    ApplyAutoSize();
}

void TbsSkinLabel::SetUseSkinFontColor(bool use)
{
    SetFaceField(&LabelFace::useSkinFontColor, use);
}

void TbsSkinLabel::SetEllipsType(TbsEllipsType type)
{
    SetFaceField(&LabelFace::ellipsType, type);
}

void TbsSkinLabel::SetShadowEffect(bool shadow)
{
    SetFaceField(&LabelFace::shadowEffect, shadow);
}

void TbsSkinLabel::SetShadowSize(int size)
{
    SetFaceField(&LabelFace::shadowSize, size);
}

void TbsSkinLabel::SetShadowOffset(int offset)
{
    SetFaceField(&LabelFace::shadowOffset, offset);
}

void TbsSkinLabel::SetShadowColor(const QColor& color)
{
    SetFaceField(&LabelFace::shadowColor, color);
}

void TbsSkinLabel::SetReflectionEffect(bool reflection)
{
    SetFaceField(&LabelFace::reflectionEffect, reflection);
}

void TbsSkinLabel::SetReflectionOffset(int offset)
{
    SetFaceField(&LabelFace::reflectionOffset, offset);
}

const TbsDataSkinCustomControl* TbsSkinLabel::FindSkinObject() const
{
    return SkinObject<TbsDataSkinLabelControl>();
}

void TbsSkinLabel::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* object = SkinIndex() >= 0 ? SkinObject<TbsDataSkinLabelControl>() : nullptr;
    skin_ = object ? LabelSkin::Read(*object) : LabelSkin();
}

LabelFace TbsSkinLabel::Face() const
{
    LabelFace face = face_;
    static_cast<ControlFontSettings&>(face) = FontSettings();
    return face;
}

void TbsSkinLabel::ApplyAutoSize()
{
    if (!autoSize_)
        return;
    const bool skinned = CustomSkin().valid;
    const int textWidth = SkinTextWidth(QFontMetrics(LabelFont(CustomSkin(), skin_, Face())), face_.caption);
    // Without a skin the text keeps 2 pixels each side; with one, the borders of the skin.
    resize(textWidth + (skinned ? width() - TextArea().width() : 4), height());
}

void TbsSkinLabel::PaintPlain(QPainter& painter)
{
    PaintLabel(painter, size(), CustomSkin(), skin_, Face());
}

void TbsSkinLabel::PaintSkinned(QPainter& painter)
{
    PaintLabel(painter, size(), CustomSkin(), skin_, Face());
}
