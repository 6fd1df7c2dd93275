#include "skincontrols/TbsSkinTextLabel.h"

#include "skin/TbsDataSkinStdLabelControl.h"
#include "skinui/CellHeightFont.h"
#include "skinui/SkinColor.h"

#include <QPainter>

TbsSkinTextLabel::TbsSkinTextLabel(QWidget* parent)
    : TControl(parent), link_(this, [this] { skin_ = TextLabelSkin(); Changed(); }, [this] { SkinChanged(); }),
      skinDataName_(QStringLiteral("stdlabel"))
{
    face_.font = FontWithCellHeight(QStringLiteral("Arial"), 14);
    face_.fontColor = SystemColor(SkinColor::kWindowText);
    face_.defaultFont = face_.font;
    face_.defaultFontColor = face_.fontColor;
    SetGraphicControl(true);
    resize(65, 65);
}

template <class Field>
void TbsSkinTextLabel::SetFaceField(Field TextLabelFace::*field, const Field& value, bool layout)
{
    if (face_.*field == value)
        return;
    face_.*field = value;
    if (layout)
        Changed();
    else
        update();
}

void TbsSkinTextLabel::SetSkinData(TbsSkinData* store)
{
    link_.SetStore(store);
}

void TbsSkinTextLabel::SetSkinDataName(const QString& name)
{
    if (name == skinDataName_)
        return;
    skinDataName_ = name;
    SkinChanged();
}

void TbsSkinTextLabel::SetLines(const QStringList& lines)
{
    if (lines == lines_)
        return;
    lines_ = lines;
    QString text;
    for (const QString& line : lines_)
        text += line + u'\n';
    face_.text = text;
    Changed();
}

void TbsSkinTextLabel::SetFont(const QFont& font)
{
    SetFaceField(&TextLabelFace::font, font, true);
}

void TbsSkinTextLabel::SetFontColor(const QColor& color)
{
    SetFaceField(&TextLabelFace::fontColor, color, false);
}

void TbsSkinTextLabel::SetDefaultFont(const QFont& font)
{
    SetFaceField(&TextLabelFace::defaultFont, font, true);
}

void TbsSkinTextLabel::SetDefaultFontColor(const QColor& color)
{
    SetFaceField(&TextLabelFace::defaultFontColor, color, false);
}

void TbsSkinTextLabel::SetUseSkinFont(bool use)
{
    SetFaceField(&TextLabelFace::useSkinFont, use, true);
}

void TbsSkinTextLabel::SetUseSkinColor(bool use)
{
    SetFaceField(&TextLabelFace::useSkinColor, use, false);
}

void TbsSkinTextLabel::SetWordWrap(bool wrap)
{
    SetFaceField(&TextLabelFace::wordWrap, wrap, true);
}

void TbsSkinTextLabel::SetAlignment(Qt::Alignment alignment)
{
    SetFaceField(&TextLabelFace::alignment, alignment, false);
}

void TbsSkinTextLabel::SetLayout(TbsTextLayout layout)
{
    SetFaceField(&TextLabelFace::layout, layout, false);
}

void TbsSkinTextLabel::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    Changed();
}

void TbsSkinTextLabel::SkinChanged()
{
    const auto* object = link_.Find<TbsDataSkinStdLabelControl>(skinDataName_);
    skin_ = object ? TextLabelSkin::Read(*SkinData(), *object) : TextLabelSkin();
    Changed();
}

void TbsSkinTextLabel::Changed()
{
    if (autoSize_) {
        const QSize text = TextSize();
        const int right = x() + width();
        setGeometry(face_.alignment & Qt::AlignRight ? right - text.width() : x(), y(), text.width(), text.height());
    }
    update();
}

bool TbsSkinTextLabel::event(QEvent* event)
{
    return link_.HandleEvent(event) || TControl::event(event);
}

void TbsSkinTextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintTextLabel(painter, rect(), skin_, face_, isEnabled());
}
