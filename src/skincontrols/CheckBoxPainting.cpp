#include "skincontrols/CheckBoxPainting.h"

#include "skincontrols/CheckBoxSkin.h"
#include "skinui/ScaledSkinPicture.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinText.h"

#include <QPainter>

namespace {
constexpr int PlainBox = 13;
constexpr int CaptionGap = 5;

QRect SkinBox(const CheckBoxSkin& skin, CheckBoxState state)
{
    const bool checked = state.testFlag(CheckBoxStateFlag::Checked);
    if (!state.testFlag(CheckBoxStateFlag::Enabled))
        return checked ? skin.disabledChecked : skin.disabledUnchecked;
    if (state.testFlag(CheckBoxStateFlag::Hot) || state.testFlag(CheckBoxStateFlag::Down))
        return checked ? skin.hotChecked : skin.hotUnchecked;
    return checked ? skin.checked : skin.unchecked;
}

QColor CaptionColor(const CheckBoxSkin& skin, CheckBoxState state)
{
    const bool enabled = state.testFlag(CheckBoxStateFlag::Enabled);
    if (!skin.valid)
        return SystemColor(enabled ? SkinColor::kWindowText : SkinColor::kButtonShadow);
    if (!enabled)
        return skin.disabledFontColor;
    return state.testFlag(CheckBoxStateFlag::Hot) ? skin.hotFontColor : skin.fontColor;
}

void PaintPlainBox(QPainter& painter, const QRect& box, CheckBoxState state)
{
    const bool enabled = state.testFlag(CheckBoxStateFlag::Enabled);
    const bool lit = enabled && state.testFlag(CheckBoxStateFlag::Hot);
    painter.fillRect(box, SystemColor(lit ? SkinColor::kHighlight : SkinColor::kButtonShadow));
    const bool grey = !enabled || state.testFlag(CheckBoxStateFlag::Down);
    painter.fillRect(box.adjusted(1, 1, -1, -1), SystemColor(grey ? SkinColor::kButtonFace : SkinColor::kWindow));
    if (!state.testFlag(CheckBoxStateFlag::Checked))
        return;
    // A tick three pixels thick: down from the left third, up to the right edge.
    const QColor ink = SystemColor(enabled ? SkinColor::kWindowText : SkinColor::kButtonShadow);
    static constexpr int tops[] = {5, 6, 7, 6, 5, 4, 3};
    for (int i = 0; i < 7; ++i)
        painter.fillRect(QRect(box.topLeft() + QPoint(3 + i, tops[i]), QSize(1, 3)), ink);
}
}  // namespace

CheckBoxLayout CheckBoxLayoutOf(const CheckBoxSkin& skin, const QSize& size)
{
    const QSize box = skin.valid ? skin.unchecked.size() : QSize(PlainBox, PlainBox);
    CheckBoxLayout layout;
    layout.box = QRect(QPoint(0, (size.height() - box.height()) / 2), box);
    const int captionLeft = box.width() + CaptionGap;
    layout.caption = QRect(captionLeft, 0, qMax(0, size.width() - captionLeft), size.height());
    return layout;
}

void PaintCheckBox(QPainter& painter, const CheckBoxSkin& skin, const QSize& size, CheckBoxState state,
                   const QString& caption, const QFont& font)
{
    const CheckBoxLayout layout = CheckBoxLayoutOf(skin, size);
    if (skin.valid) {
        const QRect box = SkinBox(skin, state);
        ScaledSkinPicture::For(painter, skin.picture, skin.doubleSize)
            .DrawPart(painter, QRect(layout.box.topLeft(), box.size()), box);
    } else {
        PaintPlainBox(painter, layout.box, state);
    }
    painter.setFont(skin.valid ? skin.font : font);
    painter.setPen(CaptionColor(skin, state));
    DrawSingleLineText(painter, caption, layout.caption);
    if (!state.testFlag(CheckBoxStateFlag::Focused))
        return;
    const int width = SkinTextWidth(painter.fontMetrics(), caption);
    const int height = SkinTextHeight(painter.fontMetrics(), caption);
    const QRect text(layout.caption.left() - 1, layout.caption.center().y() - height / 2 - 1, width + 2, height + 2);
    painter.setPen(QPen(CaptionColor(skin, state), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(text.adjusted(0, 0, -1, -1));
}
