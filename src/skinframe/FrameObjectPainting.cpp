#include "skinframe/FrameObjectPainting.h"

#include "skinui/ScaledSkinPicture.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinGlyphs.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"
#include "skinui/TbsEffectBmp.h"

#include <QPainter>

namespace {

// The hot and pressed cells of the default frame's buttons (0x00BBGGRR).
constexpr quint32 kHotFrame = 0x800000;
constexpr quint32 kHotFill = 0xD2BDB6;
constexpr quint32 kDownFill = 0xB59385;
// The glyphs are 12 x 10 pixels at most.
const QSize kGlyphCell(12, 10);

bool FromOwnPicture(const TbsActiveSkinObject& object, ObjectLookKind kind)
{
    if (kind == ObjectLookKind::Normal)
        return object.SkinRectInAPicture;
    return !object.Picture.isNull();
}

const QImage* SourceOf(const TbsActiveSkinObject& object, const FrameObjectPaint& paint, ObjectLookKind kind)
{
    return FromOwnPicture(object, kind) ? &object.Picture : paint.framePicture;
}

const QImage* DoubleSizeOf(const TbsActiveSkinObject& object, const FrameObjectPaint& paint, ObjectLookKind kind)
{
    return FromOwnPicture(object, kind) ? &object.PictureDoubleSize : paint.frameDoubleSize;
}

// A look's part of the picture, copied at its own size to the object's top-left corner and
// cut where it would reach beyond the object; from the double-size picture on a device of a
// ratio above 1.
void DrawLook(QPainter& painter, const TbsActiveSkinObject& object, const FrameObjectPaint& paint,
              const QRect& part, ObjectLookKind kind)
{
    const QImage* from = SourceOf(object, paint, kind);
    if (!from || from->isNull() || part.isEmpty() || object.ObjectRect.isEmpty())
        return;
    const QImage* doubleSize = DoubleSizeOf(object, paint, kind);
    const QSize size = part.size().boundedTo(object.ObjectRect.size());
    ScaledSkinPicture::For(painter, *from, doubleSize ? *doubleSize : QImage())
        .DrawPart(painter, QRect(object.ObjectRect.topLeft(), size), QRect(part.topLeft(), size));
}

void DrawBlend(QPainter& painter, const TbsActiveSkinObject& object, const FrameObjectPaint& paint,
               const ObjectLooks& looks)
{
    const QImage* normal = SourceOf(object, paint, ObjectLookKind::Normal);
    const QImage* hot = SourceOf(object, paint, ObjectLookKind::Hot);
    if (!normal || !hot || object.ObjectRect.isEmpty())
        return;
    const QSize size = looks.normal.size().boundedTo(object.ObjectRect.size());
    TbsEffectBmp blend(normal->copy(QRect(looks.normal.topLeft(), size)));
    blend.Blend(TbsEffectBmp(hot->copy(QRect(looks.hot.topLeft(), size))), object.Morph);
    blend.Draw(painter, object.ObjectRect.topLeft());
}

void DrawSkinLook(QPainter& painter, const TbsActiveSkinObject& object, const FrameObjectPaint& paint)
{
    const ObjectLooks looks = LooksOf(object, paint);
    ObjectLookKind kind = PickObjectLook(looks, LookStateOf(object, paint));
    // A morphing object shows how far it has come from its normal towards its hot look.
    if (object.Morphing && !looks.hot.isEmpty() && (kind == ObjectLookKind::Hot || kind == ObjectLookKind::Normal)) {
        if (object.Morph > 0 && object.Morph < 1) {
            DrawBlend(painter, object, paint, looks);
            return;
        }
        kind = object.Morph >= 1 ? ObjectLookKind::Hot : ObjectLookKind::Normal;
    }
    // The normal look of a part of the frame picture is already on the frame.
    const bool onFrame = kind == ObjectLookKind::Normal && !FromOwnPicture(object, kind) && looks.normal == object.SkinRect;
    if (!onFrame)
        DrawLook(painter, object, paint, LookRect(looks, kind), kind);
}

FrameGlyph GlyphOf(TbsSkinCommand command, bool alternate)
{
    switch (command) {
    case TbsSkinCommand::Close: return FrameGlyph::Close;
    case TbsSkinCommand::Maximize: return alternate ? FrameGlyph::Restore : FrameGlyph::Maximize;
    case TbsSkinCommand::Minimize: return alternate ? FrameGlyph::Restore : FrameGlyph::Minimize;
    case TbsSkinCommand::SysMenu: return FrameGlyph::SystemMenu;
    case TbsSkinCommand::RollUp: return alternate ? FrameGlyph::RollDown : FrameGlyph::RollUp;
    default: return FrameGlyph::ToTray;
    }
}

void DrawDefaultButton(QPainter& painter, const TbsActiveSkinObject& object, const FrameObjectPaint& paint)
{
    const QRect& r = object.ObjectRect;
    const bool pressed = object.Down && object.MouseIn;
    if (object.MouseIn) {
        painter.fillRect(r, SkinColorToQColor(kHotFrame));
        painter.fillRect(r.adjusted(1, 1, -1, -1), SkinColorToQColor(pressed ? kDownFill : kHotFill));
    } else {
        painter.fillRect(r, SystemColor(SkinColor::kButtonFace));
    }
    const QColor glyph = SystemColor(object.Enabled ? SkinColor::kButtonText : SkinColor::kButtonShadow);
    QPoint at = r.topLeft() + QPoint((r.width() - kGlyphCell.width()) / 2, (r.height() - kGlyphCell.height()) / 2);
    if (pressed)
        at += QPoint(1, 1);
    const bool alternate = InAlternateState(object, paint.windowState, paint.rolledUp);
    DrawFrameGlyph(painter, GlyphOf(object.Command, alternate), at, glyph);
}

int AlignmentFlag(TbsSkinAlignment alignment)
{
    switch (alignment) {
    case TbsSkinAlignment::LeftJustify: return Qt::AlignLeft;
    case TbsSkinAlignment::RightJustify: return Qt::AlignRight;
    case TbsSkinAlignment::Center: break;
    }
    return Qt::AlignHCenter;
}

void DrawCaptionText(QPainter& painter, const TbsActiveSkinObject& caption, const FrameObjectPaint& paint)
{
    const QRect rect = CaptionTextRect(caption);
    if (paint.caption.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    const FrameCaptionLook& look = caption.Caption;
    painter.save();
    painter.setFont(look.font);
    QString text = paint.caption;
    CutTextToWidth(painter.fontMetrics(), text, rect.width(), SkinTextMode::Literal);
    const int align = AlignmentFlag(look.alignment);
    const bool active = paint.formActive;
    const auto drawAt = [&](const QPoint& offset, const QColor& color) {
        painter.setPen(color);
        DrawSingleLineText(painter, text, rect.translated(offset), align, SkinTextMode::Literal);
    };
    if (look.light)
        drawAt(QPoint(-1, -1), active ? look.activeLightColor : look.lightColor);
    if (look.shadow)
        drawAt(QPoint(1, 1), active ? look.activeShadowColor : look.shadowColor);
    drawAt(QPoint(0, 0), active ? look.activeFontColor : look.fontColor);
    painter.restore();
}

}  // namespace

ObjectLooks LooksOf(const TbsActiveSkinObject& object, const FrameObjectPaint& paint)
{
    if (InAlternateState(object, paint.windowState, paint.rolledUp))
        return {object.RestoreRect, object.RestoreActiveRect, object.RestoreInActiveRect, object.RestoreDownRect,
                object.DisabledRect};
    return {object.SkinRect, object.ActiveSkinRect, object.InActiveSkinRect, object.DownRect, object.DisabledRect};
}

ObjectLookState LookStateOf(const TbsActiveSkinObject& object, const FrameObjectPaint& paint)
{
    ObjectLookState state;
    state.setFlag(ObjectLookFlag::FormActive, paint.formActive);
    state.setFlag(ObjectLookFlag::Enabled, object.Enabled);
    state.setFlag(ObjectLookFlag::Hot, object.MouseIn);
    state.setFlag(ObjectLookFlag::Down, object.Down);
    return state;
}

QRect CaptionTextRect(const TbsActiveSkinObject& caption)
{
    const QRect& text = caption.Caption.textRect;
    if (text.isEmpty())
        return QRect();
    const QRect& skin = caption.SkinRect;
    const QRect& at = caption.ObjectRect;
    return SkinRect(at.x() + text.x() - skin.x(), at.y() + text.y() - skin.y(),
                    RightOf(at) - (RightOf(skin) - RightOf(text)), BottomOf(at) - (BottomOf(skin) - BottomOf(text)));
}

void PaintFrameObject(QPainter& painter, const TbsActiveSkinObject& object, const FrameObjectPaint& paint)
{
    if (object.DefaultLook) {
        DrawDefaultButton(painter, object, paint);
        return;
    }
    const bool iconButton = object.HasMenu() && paint.showIcon && object.SkinRectInAPicture && !paint.icon.isNull();
    if (iconButton)
        paint.icon.paint(&painter, object.ObjectRect);
    else
        DrawSkinLook(painter, object, paint);
    if (object.Kind == FrameObjectKind::Caption)
        DrawCaptionText(painter, object, paint);
}
