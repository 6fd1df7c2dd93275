#include "skincontrols/SkinnedTabPainting.h"

#include "skinui/ColorKeyCopy.h"
#include "skinui/FrameStrips.h"
#include "skinui/PiecePainter.h"
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

QImage SkinnedTabFace(const TabControlSkin& skin, const QSize& size, TabPaintState state, bool fixedHeight)
{
    const QRect source = skin.TabSource(state);
    QImage face;
    if (skin.picture.isNull() || source.isEmpty())
        return face;
    if (!fixedHeight) {
        BuildHorizontalPieceImage(skin.tabLeftOffset, skin.tabRightOffset, face, skin.picture, source, size.width(),
                                  skin.tabStretch);
        return face;
    }
    const int quarter = skin.tabRect.height() / 4;
    const QRect client = SkinRect(skin.tabLeftOffset, quarter, source.width() - skin.tabRightOffset,
                                  source.height() - quarter);
    ResetDestination(face, skin.picture, size.width(), size.height());
    if (!face.isNull())
        BuildStretchedImage(face, skin.picture, source, client, true);
    return face;
}

void PaintSkinnedPageFrame(QPainter& painter, const TabControlSkin& skin, const QRect& frame)
{
    if (skin.picture.isNull() || skin.skinRect.isEmpty() || frame.isEmpty())
        return;
    const NinePieceGeometry grown = skin.geometry.GrownTo(skin.skinRect.size(), frame.size());
    FrameStripImages strips;
    BuildFrameStrips(strips, skin.picture, skin.skinRect, skin.geometry, grown, frame.size(), skin.options);
    const int top = strips.top.height();
    painter.drawImage(frame.topLeft(), strips.top);
    painter.drawImage(frame.topLeft() + QPoint(0, top), strips.left);
    painter.drawImage(frame.topLeft() + QPoint(frame.width() - strips.right.width(), top), strips.right);
    painter.drawImage(frame.topLeft() + QPoint(0, frame.height() - strips.bottom.height()), strips.bottom);
}

void PaintSkinnedPageBackground(QPainter& painter, const TabControlSkin& skin, const QRect& area)
{
    const bool ownPicture = !skin.background.isNull();
    const QImage& picture = ownPicture ? skin.background : skin.picture;
    const QRect source = ownPicture ? skin.background.rect() : ClientPart(skin);
    if (picture.isNull() || source.isEmpty() || area.isEmpty())
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
    painter.fillRect(strip, QBrush(skin.picture.copy(source)));
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
    painter.drawImage(place, skin.picture, source);
}
