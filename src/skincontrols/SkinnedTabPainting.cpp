#include "skincontrols/SkinnedTabPainting.h"

#include "skinui/ColorKeyCopy.h"
#include "skinui/FrameStrips.h"
#include "skinui/PieceStripImage.h"
#include "skinui/SkinRect.h"

#include <QPainter>

namespace {

// The client part of the skin rectangle, in the picture.
QRect ClientPart(const TabControlSkin& skin)
{
    return skin.geometry.clRect.translated(skin.skinRect.topLeft());
}

}  // namespace

QImage SkinnedTabFace(const TabControlSkin& skin, const QSize& size, TabPaintState state, bool fixedHeight,
                      qreal ratio)
{
    const QRect source = skin.TabSource(state);
    QImage face;
    if (skin.picture.isNull() || source.isEmpty())
        return face;
    const ScaledSkinPicture picture{skin.picture, skin.doubleSize, ratio};
    if (!fixedHeight) {
        BuildHorizontalPieceImage(skin.tabLeftOffset, skin.tabRightOffset, face, picture, source, size.width(),
                                  skin.tabStretch);
        return face;
    }
    const int quarter = skin.tabRect.height() / 4;
    const QRect client = SkinRect(skin.tabLeftOffset, quarter, source.width() - skin.tabRightOffset,
                                  source.height() - quarter);
    if (!size.isEmpty())
        BuildStretchedImage(face, picture, source, client, true, size);
    return face;
}

void PaintSkinnedPageFrame(QPainter& painter, const TabControlSkin& skin, const QRect& frame)
{
    if (skin.picture.isNull() || skin.skinRect.isEmpty() || frame.isEmpty())
        return;
    const NinePieceGeometry grown = skin.geometry.GrownTo(skin.skinRect.size(), frame.size());
    FrameStripImages strips;
    BuildFrameStrips(strips, skin.Picture(painter), skin.skinRect, skin.geometry, grown, frame.size(), skin.options);
    DrawFrameStrips(painter, strips, frame);
}

void PaintSkinnedPageBackground(QPainter& painter, const TabControlSkin& skin, const QRect& area)
{
    const bool ownPicture = !skin.background.isNull();
    const ScaledSkinPicture picture = ownPicture ? skin.Background(painter) : skin.Picture(painter);
    const QRect source = ownPicture ? skin.background.rect() : ClientPart(skin);
    if (picture.picture.isNull() || source.isEmpty() || area.isEmpty())
        return;
    // A nine-piece build without borders is the middle alone, filled as the skin says.
    const NinePieceGeometry whole = NinePieceGeometry::AtClientCorners(QRect(QPoint(0, 0), source.size()));
    NinePieceOptions options = NinePieceOption::DrawClient;
    options.setFlag(NinePieceOption::StretchMiddle, skin.options.testFlag(NinePieceOption::StretchMiddle));
    QImage fill;
    BuildNinePieceImage(fill, picture, source, whole, whole.GrownTo(source.size(), area.size()), area.size(), options,
                        skin.stretchType);
    painter.drawImage(area.topLeft(), fill);
}

void PaintSkinnedStripBackground(QPainter& painter, const TabControlSkin& skin, const QRect& strip)
{
    const QRect source = skin.tabsBgRect.isEmpty() ? ClientPart(skin) : skin.tabsBgRect;
    if (skin.picture.isNull() || source.isEmpty())
        return;
    painter.save();
    painter.setBrushOrigin(strip.topLeft());
    const ScaledSkinPicture picture = skin.Picture(painter);
    QImage tile = picture.Source().copy(ScaledRect(source, picture.Scale()));
    tile.setDevicePixelRatio(picture.Scale());
    painter.fillRect(strip, QBrush(tile));
    painter.restore();
}

void PaintSkinnedCloseButton(QPainter& painter, const TabControlSkin& skin, const QRect& place, bool hot,
                             bool pressed)
{
    const QRect source = pressed ? skin.closePressedRect : hot ? skin.closeHotRect : skin.closeRect;
    if (skin.picture.isNull() || source.isEmpty() || place.isEmpty())
        return;
    if (skin.closeTransparent) {
        DrawColorKeyed(painter, place, skin.picture, source, skin.closeTransparentColor);
        return;
    }
    skin.Picture(painter).DrawPart(painter, place, source);
}
