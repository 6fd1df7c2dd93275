#include "skincontrols/UpDownPainting.h"

#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsDataSkinUpDownControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/PlainFace.h"
#include "skinui/ScaledSkinPicture.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinGlyphs.h"

#include <QPainter>

namespace {

QRect OrElse(const QRect& rect, const QRect& fallback)
{
    return rect.isEmpty() ? fallback : rect;
}

ArrowGlyph ArrowOf(int button, Qt::Orientation orientation)
{
    if (orientation == Qt::Vertical)
        return button == 0 ? ArrowGlyph::Up : ArrowGlyph::Down;
    return button == 0 ? ArrowGlyph::Right : ArrowGlyph::Left;
}

void PaintPlain(QPainter& painter, const QSize& size, const UpDownButtons& buttons, const UpDownState& state,
                Qt::Orientation orientation)
{
    painter.fillRect(QRect(QPoint(0, 0), size), SystemColor(SkinColor::kButtonFace));
    for (int i = 0; i < 2; ++i) {
        const PlainFaceLook look = !state.hot[i]      ? PlainFaceLook::Normal
                                   : state.pressed[i] ? PlainFaceLook::Down
                                                      : PlainFaceLook::Hot;
        PaintPlainFace(painter, buttons.rects[i], look);
        DrawArrowGlyph(painter, ArrowOf(i, orientation), buttons.rects[i], Qt::black);
    }
}

void PaintResizeButton(QPainter& painter, const ResizeButtonSkin& skin, const QRect& place, bool hot, bool down,
                       ArrowGlyph arrow)
{
    if (!skin.valid || place.isEmpty())
        return;
    const QRect source = down ? skin.down : hot ? skin.active : skin.normal;
    QImage face;
    BuildNinePieceImage(face, ScaledSkinPicture::For(painter, skin.picture, skin.doubleSize), source, skin.geometry, skin.geometry.GrownTo(source.size(), place.size()),
                        place.size(), skin.options | NinePieceOption::DrawClient, skin.stretchType);
    painter.drawImage(place.topLeft(), face);
    const QColor color = down ? skin.downFontColor : hot ? skin.activeFontColor : skin.fontColor;
    DrawArrowGlyph(painter, arrow, down ? place.adjusted(2, 2, 0, 0) : place, color);
}

}  // namespace

ResizeButtonSkin ResizeButtonSkin::Read(const TbsSkinData& store, const TbsDataSkinButtonControl& object)
{
    ResizeButtonSkin skin;
    skin.picture = SkinPictureCopy(store, object.pictureindex);
    skin.doubleSize = store.DoubleSizePictures().Picture(object.pictureindex);
    skin.valid = !skin.picture.isNull();
    skin.normal = object.skinrect;
    skin.active = OrElse(object.activeskinrect, object.skinrect);
    skin.down = OrElse(object.downskinrect, skin.active);
    skin.geometry = NinePieceGeometryOf(object);
    skin.options = NinePieceOptionsOf(object);
    skin.stretchType = MiddleStretchTypeOf(object.stretchtype);
    skin.fontColor = SkinColorOf(object.fontcolor);
    skin.activeFontColor = SkinColorOf(object.activefontcolor);
    skin.downFontColor = SkinColorOf(object.downfontcolor);
    return skin;
}

UpDownSkin UpDownSkin::Read(const TbsDataSkinUpDownControl& object)
{
    UpDownSkin skin;
    skin.up = object.upbuttonrect;
    skin.activeUp = object.activeupbuttonrect;
    skin.downUp = OrElse(object.downupbuttonrect, object.activeupbuttonrect);
    skin.down = object.downbuttonrect;
    skin.activeDown = object.activedownbuttonrect;
    skin.downDown = OrElse(object.downdownbuttonrect, object.activedownbuttonrect);
    return skin;
}

QRect UpDownSkin::StateRect(int button, bool pressed) const
{
    if (pressed)
        return button == 0 ? downUp : downDown;
    return button == 0 ? activeUp : activeDown;
}

UpDownButtons UpDownButtonsOf(const QSize& size, const CustomControlSkin& custom, const UpDownSkin& skin,
                              bool useSkinSize, Qt::Orientation orientation)
{
    if (!custom.valid || !useSkinSize)
        return UpDownButtons::Halves(size, orientation);
    UpDownButtons buttons;
    buttons.rects[0] = skin.up;
    buttons.rects[1] = skin.down;
    return buttons;
}

void PaintUpDown(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const UpDownSkin& skin,
                 const UpDownState& state, bool useSkinSize, Qt::Orientation orientation)
{
    const UpDownButtons buttons = UpDownButtonsOf(size, custom, skin, useSkinSize, orientation);
    if (!custom.valid) {
        PaintPlain(painter, size, buttons, state, orientation);
        return;
    }
    if (!useSkinSize) {
        painter.fillRect(QRect(QPoint(0, 0), size), custom.face);
        for (int i = 0; i < 2; ++i)
            PaintResizeButton(painter, skin.resizeButton, buttons.rects[i], state.hot[i], state.hot[i] && state.pressed[i],
                              ArrowOf(i, orientation));
        return;
    }
    custom.PaintPicture(painter, custom.skinRect, size, true);
    for (int i = 0; i < 2; ++i) {
        const QRect source = state.hot[i] ? skin.StateRect(i, state.pressed[i]) : QRect();
        const QRect& place = buttons.rects[i];
        // Copied at its own size, cut where it would reach beyond the button.
        if (!source.isEmpty() && !place.isEmpty())
            ScaledSkinPicture::For(painter, custom.picture, custom.doubleSize)
                .DrawPart(painter, QRect(place.topLeft(), source.size().boundedTo(place.size())),
                          QRect(source.topLeft(), source.size().boundedTo(place.size())));
    }
}
