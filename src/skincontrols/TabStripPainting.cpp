#include "skincontrols/TabStripPainting.h"

#include "skincontrols/SkinnedTabPainting.h"
#include "framework/DoubleSizePicture.h"
#include "skinui/PlainTabPainting.h"
#include "skinui/SkinGlyphs.h"

#include <QImage>
#include <QPainter>

namespace {

void DrawCloseButton(QPainter& canvas, const TabControlSkin& skin, const TabStripState& state, int visibleIndex,
                     const QSize& bitmap)
{
    const bool hot = state.hotClose == visibleIndex;
    const bool pressed = state.pressedClose == visibleIndex;
    const QRect place = CloseButtonInTab(bitmap, state.closeButtonSize);
    if (skin.valid && !skin.closeRect.isEmpty())
        PaintSkinnedCloseButton(canvas, skin, place, hot, pressed);
    else
        PaintPlainCloseButton(canvas, place, hot || pressed);
}

// The tab's background for its state, and the font and pen its face is drawn with; returns
// where its caption goes.
QRect PrepareTab(QPainter& canvas, const QSize& size, const TabControlSkin& skin, const TabStripState& state,
                 TabPaintState tab)
{
    const QRect whole(QPoint(0, 0), size);
    QRect caption = whole;
    if (!skin.valid) {
        PaintPlainTabBackground(canvas, size, tab);
        canvas.setFont(state.font);
        canvas.setPen(state.fontColor);
        return caption;
    }
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    canvas.drawImage(0, 0, SkinnedTabFace(skin, size, tab, state.fixedTabHeight, PaintingRatio(canvas)));
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    canvas.setFont(state.useSkinFont ? skin.font : state.font);
    canvas.setPen(skin.TabFontColor(tab));
    if (skin.showFocus && tab.testFlag(TabPaintFlag::Active) && tab.testFlag(TabPaintFlag::Focused))
        DrawDottedFocusRect(canvas, whole.adjusted(skin.focusOffsetX, skin.focusOffsetY, -skin.focusOffsetX,
                                                           -skin.focusOffsetY));
    if (skin.ActiveRise() > 0 && !tab.testFlag(TabPaintFlag::Active))
        caption.translate(0, 2);
    return caption;
}

void PaintTab(QPainter& target, const QRect& place, int visibleIndex, const TabControlSkin& skin,
              const TabStripState& state, const TabFacePainter& face)
{
    if (place.isEmpty())
        return;
    const TabPaintState tab = state.TabState(visibleIndex);
    QImage bitmap = CanvasForRatio(place.size(), PaintingRatio(target));
    {
        QPainter canvas(&bitmap);
        const QRect caption = PrepareTab(canvas, place.size(), skin, state, tab);
        canvas.setBrush(Qt::NoBrush);
        face(canvas, visibleIndex, QRect(QPoint(0, 0), place.size()), caption, tab);
        if (state.showCloseButtons)
            DrawCloseButton(canvas, skin, state, visibleIndex, place.size());
    }
    target.drawImage(place.topLeft(), bitmap);
}

void PaintPlainControl(QPainter& painter, const TabStripState& state, const TabFacePainter& face)
{
    PaintPlainPageFrame(painter, QRect(QPoint(0, 0), state.size), state.pageArea);
    const TabStripGeometry& geometry = state.geometry;
    for (int i = geometry.scrolledTabs; i < geometry.tabWidths.size(); ++i)
        PaintTab(painter, geometry.TabRect(i), i, TabControlSkin(), state, face);
}

void PaintSkinnedControl(QPainter& painter, const TabControlSkin& skin, const TabStripState& state,
                         const QRegion& dirty, const TabFacePainter& face, const StripBackdropPainter& backdrop)
{
    const int stripHeight = state.geometry.tabHeight;
    const QRect activeArea = ActiveTabArea(skin, state);
    const QRect control(QPoint(0, 0), state.size);
    painter.setClipRegion(QRegion(control) - activeArea);
    // Hover and scrolling repaint the strip alone; the frame below it stays as it is.
    const QRect frame(0, stripHeight, state.size.width(), state.size.height() - stripHeight);
    if (dirty.intersects(frame))
        PaintSkinnedPageFrame(painter, skin, frame);
    if (state.geometry.tabWidths.isEmpty())
        PaintSkinnedPageBackground(painter, skin, state.pageArea);

    const QRect stripRect(0, 0, state.size.width(), stripHeight);
    QImage strip = CanvasForRatio(stripRect.size(), PaintingRatio(painter));
    {
        QPainter canvas(&strip);
        if (state.transparentStrip && backdrop)
            backdrop(canvas);
        else
            PaintSkinnedStripBackground(canvas, skin, stripRect);
        const TabStripGeometry& geometry = state.geometry;
        for (int i = geometry.scrolledTabs; i < geometry.tabWidths.size(); ++i) {
            if (i != state.activeTab)
                PaintTab(canvas, geometry.TabRect(i), i, skin, state, face);
        }
    }
    painter.drawImage(0, 0, strip);
    painter.setClipping(false);
    if (!activeArea.isEmpty())
        PaintTab(painter, activeArea, state.activeTab, skin, state, face);
}

}  // namespace

TabPaintState TabStripState::TabState(int visibleIndex) const
{
    TabPaintState state;
    state.setFlag(TabPaintFlag::Active, visibleIndex == activeTab);
    state.setFlag(TabPaintFlag::MouseIn, visibleIndex == hotTab);
    state.setFlag(TabPaintFlag::Focused, focused);
    return state;
}

QRect ActiveTabArea(const TabControlSkin& skin, const TabStripState& state)
{
    if (!state.geometry.Shown(state.activeTab))
        return QRect();
    return state.geometry.TabRect(state.activeTab).adjusted(0, 0, 0, skin.ActiveRise());
}

void PaintTabStrip(QPainter& painter, const TabControlSkin& skin, const TabStripState& state, const QRegion& dirty,
                   const TabFacePainter& face, const StripBackdropPainter& backdrop)
{
    if (state.size.width() < 1 || state.size.height() < 1)
        return;
    if (skin.valid)
        PaintSkinnedControl(painter, skin, state, dirty, face, backdrop);
    else
        PaintPlainControl(painter, state, face);
}
