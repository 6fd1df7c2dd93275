#include "skincontrols/EditPainting.h"

#include "skincontrols/EditSkin.h"
#include "skinui/ScaledSkinPicture.h"
#include "skinui/SkinColor.h"

#include <QPainter>

namespace {
// The plain frame's width and the room between it and the text.
constexpr int PlainMarginX = 4;
constexpr int PlainMarginY = 2;

bool Active(EditState state)
{
    return state.testFlag(EditStateFlag::Enabled)
           && (state.testFlag(EditStateFlag::Hot) || state.testFlag(EditStateFlag::Focused));
}
}  // namespace

QRect EditTextRect(const EditSkin& skin, const QSize& size)
{
    if (!skin.valid)
        return QRect(QPoint(0, 0), size).adjusted(PlainMarginX, PlainMarginY, -PlainMarginX, -PlainMarginY);
    const QSize grown = skin.growth.SizeFor(size, skin.skinRect);
    return skin.growth.geometry.GrownTo(skin.skinRect.size(), grown).clRect;
}

QColor EditTextColor(const EditSkin& skin, EditState state)
{
    if (!state.testFlag(EditStateFlag::Enabled))
        return skin.valid ? skin.disabledFontColor : SystemColor(SkinColor::kButtonShadow);
    if (!skin.valid)
        return SystemColor(SkinColor::kWindowText);
    return Active(state) ? skin.activeFontColor : skin.fontColor;
}

void PaintEdit(QPainter& painter, const EditSkin& skin, const QSize& size, EditState state)
{
    const QRect whole(QPoint(0, 0), size);
    if (skin.valid) {
        QImage face;
        BuildResizedImage(face, ScaledSkinPicture::For(painter, skin.picture, skin.doubleSize), Active(state) ? skin.activeSkinRect : skin.skinRect,
                          skin.growth.geometry, skin.growth.options, skin.growth.stretchType,
                          skin.growth.SizeFor(size, skin.skinRect));
        painter.drawImage(0, 0, face);
        return;
    }
    const bool enabled = state.testFlag(EditStateFlag::Enabled);
    painter.fillRect(whole, Active(state) ? SystemColor(SkinColor::kHighlight) : SystemColor(SkinColor::kButtonShadow));
    painter.fillRect(whole.adjusted(1, 1, -1, -1),
                     enabled ? SystemColor(SkinColor::kWindow) : SystemColor(SkinColor::kButtonFace));
}
