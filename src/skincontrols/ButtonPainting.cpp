#include "skincontrols/ButtonPainting.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skinui/PlainFace.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinGlyphs.h"

#include <QPainter>

namespace {

QRect OrElse(const QRect& rect, const QRect& fallback)
{
    return rect.isEmpty() ? fallback : rect;
}

QColor SkinTextColor(const ButtonSkin& skin, const ButtonFace& face, TbsButtonLook look, ButtonState state)
{
    if (!state.testFlag(ButtonStateFlag::Enabled))
        return skin.disabledColor;
    if (!face.useSkinFontColor)
        return face.defaultFontColor;
    switch (look) {
    case TbsButtonLook::Down: return skin.downColor;
    case TbsButtonLook::Active:
    case TbsButtonLook::Focused: return skin.activeColor;
    case TbsButtonLook::Normal:
    case TbsButtonLook::Disabled: break;
    }
    return skin.normalColor;
}

int GlyphState(const ButtonFace& face, TbsButtonLook look, ButtonState state)
{
    if (look == TbsButtonLook::Down && face.numGlyphs >= 3)
        return 2;
    if (state.testFlag(ButtonStateFlag::Hot) && face.numGlyphs >= 4)
        return 3;
    if (!state.testFlag(ButtonStateFlag::Enabled) && face.numGlyphs >= 2)
        return 1;
    return 0;
}

void PaintContent(QPainter& painter, const QRect& client, const ButtonFace& face, TbsButtonLook look,
                  ButtonState state, const QColor& color, const TbsButtonPaintEvent& onPaint)
{
    const bool down = look == TbsButtonLook::Down;
    const bool active = down || look == TbsButtonLook::Active || look == TbsButtonLook::Focused;
    painter.setPen(color);
    bool defaultPaint = true;
    if (TApplicationEvents::CallHook(onPaint, &painter, defaultPaint, active, down, client) && !defaultPaint)
        return;
    GlyphSource glyph;
    if (face.imageIndex >= 0 && face.imageIndex < face.images.size()) {
        glyph.imageList = &face.images;
        glyph.index = face.imageIndex;
    } else {
        glyph.strip = face.glyph;
        glyph.glyphCount = face.numGlyphs;
        glyph.state = GlyphState(face, look, state);
    }
    GlyphCaptionFlags flags;
    flags.setFlag(GlyphCaptionFlag::Enabled, state.testFlag(ButtonStateFlag::Enabled));
    flags.setFlag(GlyphCaptionFlag::Down, down);
    DrawGlyphAndCaption(painter, client, face.margin, face.spacing, face.layout, face.caption, glyph, flags);
}

void PaintPlainButton(QPainter& painter, const QRect& rect, const ButtonFace& face, TbsButtonLook look,
                      ButtonState state, const TbsButtonPaintEvent& onPaint)
{
    const PlainFaceLook plain = look == TbsButtonLook::Down     ? PlainFaceLook::Down
                                : look == TbsButtonLook::Normal ? PlainFaceLook::Normal
                                                                : PlainFaceLook::Hot;
    PaintPlainFace(painter, rect, plain);
    painter.setFont(face.defaultFont);
    const bool enabled = state.testFlag(ButtonStateFlag::Enabled);
    PaintContent(painter, rect, face, look, state, enabled ? face.defaultFontColor : SystemColor(SkinColor::kButtonShadow),
                 onPaint);
}

void PaintSkinnedButton(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const ButtonSkin& skin,
                        const ButtonFace& face, TbsButtonLook look, ButtonState state,
                        const TbsButtonPaintEvent& onPaint)
{
    custom.PaintPicture(painter, skin.Source(look, custom.skinRect), size, face.useSkinSize);
    const QRect skinClient = custom.GeometryAt(size).clRect;
    const QRect client = skinClient.isEmpty() ? QRect(QPoint(0, 0), size) : skinClient;
    const QColor color = SkinTextColor(skin, face, look, state);
    painter.setFont(face.useSkinFont ? skin.font : face.defaultFont);
    if (skin.showFocus && state.testFlag(ButtonStateFlag::Focused)) {
        painter.setPen(color);
        DrawDottedFocusRect(painter, client);
    }
    PaintContent(painter, client, face, look, state, color, onPaint);
}

}  // namespace

ButtonSkin ButtonSkin::Read(const TbsDataSkinButtonControl& object)
{
    ButtonSkin skin;
    skin.font = SkinFont(object);
    skin.normalColor = SkinColorOf(object.fontcolor);
    skin.activeColor = SkinColorOf(object.activefontcolor);
    skin.downColor = SkinColorOf(object.downfontcolor);
    // A disabled colour the same as the normal one would not show the state: grey instead.
    skin.disabledColor = object.disabledfontcolor == object.fontcolor ? QColor(128, 128, 128)
                                                                       : SkinColorOf(object.disabledfontcolor);
    skin.activeRect = OrElse(object.activeskinrect, object.skinrect);
    skin.downRect = OrElse(object.downskinrect, skin.activeRect);
    skin.focusedRect = object.focusedskinrect;
    skin.disabledRect = object.disabledskinrect;
    skin.showFocus = object.showfocus;
    return skin;
}

QRect ButtonSkin::Source(TbsButtonLook look, const QRect& skinRect) const
{
    switch (look) {
    case TbsButtonLook::Active: return activeRect;
    case TbsButtonLook::Down: return downRect;
    case TbsButtonLook::Focused: return focusedRect;
    case TbsButtonLook::Disabled: return disabledRect;
    case TbsButtonLook::Normal: break;
    }
    return skinRect;
}

TbsButtonLook ButtonLookIn(const CustomControlSkin& custom, const ButtonSkin& skin, ButtonState state)
{
    const bool skinned = custom.valid;
    return ButtonLookOf(state, skinned && !skin.disabledRect.isEmpty(), skinned && !skin.focusedRect.isEmpty());
}

void PaintButton(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const ButtonSkin& skin,
                 const ButtonFace& face, ButtonState state, const TbsButtonPaintEvent& onPaint)
{
    const TbsButtonLook look = ButtonLookIn(custom, skin, state);
    if (custom.valid)
        PaintSkinnedButton(painter, size, custom, skin, face, look, state, onPaint);
    else
        PaintPlainButton(painter, QRect(QPoint(0, 0), size), face, look, state, onPaint);
}
