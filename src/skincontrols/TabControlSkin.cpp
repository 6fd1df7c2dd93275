#include "skincontrols/TabControlSkin.h"

#include "skin/TbsDataSkinTabControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinObjectMapping.h"
#include "skinui/SkinRect.h"

#include <QMargins>

namespace {

QRect OrElse(const QRect& rect, const QRect& fallback)
{
    return rect.isEmpty() ? fallback : rect;
}

}  // namespace

TabControlSkin TabControlSkin::Read(const TbsSkinData& store, const TbsDataSkinTabControl* object)
{
    TabControlSkin skin;
    if (!object)
        return skin;
    skin.valid = true;
    skin.picture = SkinPictureCopy(store, object->pictureindex);
    skin.background = SkinPictureCopy(store, object->bgpictureindex);
    skin.doubleSize = store.DoubleSizePictures().Picture(object->pictureindex);
    skin.backgroundDoubleSize = store.DoubleSizePictures().Picture(object->bgpictureindex);
    skin.skinRect = object->skinrect;
    skin.geometry = NinePieceGeometryOf(*object);
    skin.options = NinePieceOptionsOf(*object);
    skin.stretchType = MiddleStretchTypeOf(object->stretchtype);
    skin.tabRect = object->tabrect;
    skin.activeTabRect = OrElse(object->activetabrect, object->tabrect);
    skin.focusedTabRect = OrElse(object->focustabrect, skin.activeTabRect);
    skin.mouseInTabRect = object->mouseintabrect;
    skin.tabsBgRect = object->tabsbgrect;
    skin.tabLeftOffset = object->tableftoffset;
    skin.tabRightOffset = object->tabrightoffset;
    skin.tabStretch = object->tabstretcheffect;
    skin.font = SkinFont(*object);
    skin.fontColor = SkinColorOf(object->fontcolor);
    skin.activeFontColor = SkinColorOf(object->activefontcolor);
    skin.focusedFontColor = SkinColorOf(object->focusfontcolor);
    skin.mouseInFontColor = SkinColorOf(object->mouseinfontcolor);
    skin.upDownName = object->updown;
    skin.showFocus = object->showfocus;
    skin.focusOffsetX = object->focusoffsetx;
    skin.focusOffsetY = object->focusoffsety;
    skin.closeRect = object->closebuttonrect;
    skin.closeHotRect = OrElse(object->closebuttonactiverect, skin.closeRect);
    skin.closePressedRect = OrElse(object->closebuttondownrect, skin.closeHotRect);
    skin.closeTransparent = object->buttontransparent;
    skin.closeTransparentColor = SkinColorOf(object->buttontransparentcolor);
    return skin;
}

QRect TabControlSkin::TabSource(TabPaintState state) const
{
    const bool active = state.testFlag(TabPaintFlag::Active);
    if (state.testFlag(TabPaintFlag::MouseIn) && !active && !mouseInTabRect.isEmpty())
        return mouseInTabRect;
    if (active && state.testFlag(TabPaintFlag::Focused))
        return focusedTabRect;
    return active ? activeTabRect : tabRect;
}

QColor TabControlSkin::TabFontColor(TabPaintState state) const
{
    const bool active = state.testFlag(TabPaintFlag::Active);
    if (state.testFlag(TabPaintFlag::MouseIn) && !active && !mouseInTabRect.isEmpty())
        return mouseInFontColor;
    if (active && state.testFlag(TabPaintFlag::Focused))
        return focusedFontColor;
    return active ? activeFontColor : fontColor;
}

int TabControlSkin::ActiveRise() const
{
    return qMax(0, activeTabRect.height() - tabRect.height());
}

QMargins TabControlSkin::FrameMargins() const
{
    const QRect& client = geometry.clRect;
    return QMargins(client.x(), client.y(), skinRect.width() - RightOf(client), skinRect.height() - BottomOf(client));
}

ScaledSkinPicture TabControlSkin::Picture(const QPainter& painter) const
{
    return ScaledSkinPicture::For(painter, picture, doubleSize);
}

ScaledSkinPicture TabControlSkin::Background(const QPainter& painter) const
{
    return ScaledSkinPicture::For(painter, background, backgroundDoubleSize);
}
