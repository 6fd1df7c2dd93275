#pragma once

#include "skincontrols/TabControlSkin.h"
#include "skinui/TabStripGeometry.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRegion>

#include <functional>

class QPainter;

// A page control's face as it stands: where its tabs lie, which of them is active and hot,
// its close buttons, and the fonts its tabs are drawn in.
struct TabStripState {
    TabStripGeometry geometry;
    QSize size;
    QRect pageArea;
    int activeTab = -1;  // visible indices; -1 for none
    int hotTab = -1;
    bool focused = false;
    bool fixedTabHeight = false;    // TabHeight is set
    bool transparentStrip = false;  // the strip shows what lies behind the control
    bool showCloseButtons = false;
    int closeButtonSize = 14;
    int hotClose = -1;      // the tab whose close button is under the pointer
    int pressedClose = -1;  // the tab whose close button is held down
    QFont font;             // the control's Font
    QColor fontColor;       // and its colour
    bool useSkinFont = true;

    TabPaintState TabState(int visibleIndex) const;
};

// Draws what lies on a tab's own bitmap once its background is in: the owner's drawing or the
// caption. bitmap is the bitmap's rectangle, caption where a caption goes.
using TabFacePainter =
    std::function<void(QPainter& canvas, int visibleIndex, const QRect& bitmap, const QRect& caption, TabPaintState state)>;
// Paints, in the control's coordinates, what lies behind the control (for a transparent strip).
using StripBackdropPainter = std::function<void(QPainter& painter)>;

// The active tab's rectangle reaching into the frame as far as it is taller than the others;
// empty when it is not on show.
QRect ActiveTabArea(const TabControlSkin& skin, const TabStripState& state);

// Paints the page control: its frame (the part of it in dirty), the page background while no
// page has a tab, and every tab on show, each into a bitmap of its own, the active one last
// and over the frame. Plain without a valid skin.
void PaintTabStrip(QPainter& painter, const TabControlSkin& skin, const TabStripState& state, const QRegion& dirty,
                   const TabFacePainter& face, const StripBackdropPainter& backdrop);
