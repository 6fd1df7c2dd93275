#include "skincontrols/TbsSkinTextLabel.h"

#include "skin/TbsDataSkinStdLabelControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/CellHeightFont.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinText.h"

#include <QPainter>

#include <limits>

TbsSkinTextLabel::TbsSkinTextLabel(QWidget* parent)
    : TControl(parent), link_(this, [this] { skin_ = Skin(); }, [this] { SkinChanged(); }),
      skinDataName_(QStringLiteral("stdlabel")), font_(FontWithCellHeight(QStringLiteral("Arial"), 14)),
      fontColor_(SystemColor(SkinColor::kWindowText)), defaultFont_(font_), defaultFontColor_(fontColor_)
{
    SetGraphicControl(true);
    resize(65, 65);
}

void TbsSkinTextLabel::SetSkinData(TbsSkinData* store)
{
    link_.SetStore(store);
    update();
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
    Changed();
}

QString TbsSkinTextLabel::Text() const
{
    QString text;
    for (const QString& line : lines_)
        text += line + u'\n';
    return text;
}

void TbsSkinTextLabel::SetFont(const QFont& font)
{
    font_ = font;
    Changed();
}

void TbsSkinTextLabel::SetFontColor(const QColor& color)
{
    fontColor_ = color;
    update();
}

void TbsSkinTextLabel::SetDefaultFont(const QFont& font)
{
    defaultFont_ = font;
    Changed();
}

void TbsSkinTextLabel::SetDefaultFontColor(const QColor& color)
{
    defaultFontColor_ = color;
    update();
}

void TbsSkinTextLabel::SetUseSkinFont(bool use)
{
    useSkinFont_ = use;
    Changed();
}

void TbsSkinTextLabel::SetUseSkinColor(bool use)
{
    useSkinColor_ = use;
    update();
}

void TbsSkinTextLabel::SetWordWrap(bool wrap)
{
    if (wrap == wordWrap_)
        return;
    wordWrap_ = wrap;
    Changed();
}

void TbsSkinTextLabel::SetAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void TbsSkinTextLabel::SetLayout(TbsTextLayout layout)
{
    layout_ = layout;
    update();
}

void TbsSkinTextLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    Changed();
}

void TbsSkinTextLabel::ReadSkin()
{
    skin_ = Skin();
    const auto* object = link_.Find<TbsDataSkinStdLabelControl>(skinDataName_);
    if (!object)
        return;
    skin_.found = true;
    skin_.font = SkinFont(*object);
    skin_.color = SkinColorToQColor(quint32(object->fontcolor));
}

void TbsSkinTextLabel::SkinChanged()
{
    ReadSkin();
    Changed();
}

QFont TbsSkinTextLabel::TextFont() const
{
    if (skin_.found)
        return useSkinFont_ ? skin_.font : font_;
    return useSkinFont_ ? defaultFont_ : font_;
}

QColor TbsSkinTextLabel::TextColor() const
{
    if (skin_.found)
        return useSkinColor_ ? skin_.color : fontColor_;
    return useSkinFont_ ? defaultFontColor_ : fontColor_;
}

int TbsSkinTextLabel::TextFlags() const
{
    return int(alignment_) | Qt::AlignTop | Qt::TextExpandTabs | (wordWrap_ ? Qt::TextWordWrap : 0)
           | SkinTextFlags(SkinTextMode::Caption);
}

QSize TbsSkinTextLabel::TextSize() const
{
    const QFontMetrics metrics(TextFont());
    const int room = wordWrap_ ? width() : std::numeric_limits<int>::max() / 2;
    const QRect laid = metrics.boundingRect(QRect(0, 0, room, std::numeric_limits<int>::max() / 2),
                                            TextFlags(), Text());
    // The text ends with a line break, which lays out one empty line more.
    return QSize(laid.width(), qMax(0, laid.height() - SkinTextHeight(metrics, QStringLiteral("A"))));
}

void TbsSkinTextLabel::Changed()
{
    if (autoSize_) {
        const QSize text = TextSize();
        const int right = x() + width();
        setGeometry(alignment_ & Qt::AlignRight ? right - text.width() : x(), y(), text.width(), text.height());
    }
    update();
}

bool TbsSkinTextLabel::event(QEvent* event)
{
    return link_.HandleEvent(event) || TControl::event(event);
}

void TbsSkinTextLabel::DrawText(QPainter& painter, const QRect& rect, const QColor& color) const
{
    painter.setPen(color);
    painter.drawText(rect, TextFlags(), Text());
}

void TbsSkinTextLabel::paintEvent(QPaintEvent*)
{
    ReadSkin();
    QPainter painter(this);
    painter.setFont(TextFont());
    QRect place = rect();
    if (layout_ != tlTop) {
        const int free = height() - TextSize().height();
        place.translate(0, layout_ == tlCenter ? free / 2 : free);
    }
    if (isEnabled()) {
        DrawText(painter, place, TextColor());
        return;
    }
    // Embossed: a highlight one pixel right and down, the shadow in place.
    const TbsSkinData* store = SkinData();
    const bool skinned = skin_.found && store;
    DrawText(painter, place.translated(1, 1),
             skinned ? SkinColorToQColor(quint32(store->Colors().cbtnhighlight)) : SystemColor(SkinColor::kButtonHighlight));
    DrawText(painter, place,
             skinned ? SkinColorToQColor(quint32(store->Colors().cbtnshadow)) : SystemColor(SkinColor::kButtonShadow));
}
