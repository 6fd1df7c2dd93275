#pragma once

#include "skincontrols/TabControlSkin.h"

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// How a page control draws itself from its tab skin. Each function draws what it is given and
// keeps nothing.

// A tab's own bitmap of size, showing the state's part of the skin picture. With fixedHeight
// (the control sets TabHeight) the part is stretched keeping the tab offsets at the ends and a
// quarter of the normal tab's height at top and bottom; otherwise the ends are kept and the
// middle is stretched or tiled to the width, at the part's own height.
QImage SkinnedTabFace(const TabControlSkin& skin, const QSize& size, TabPaintState state, bool fixedHeight,
                      qreal ratio = 1);

// The page frame in frame (the control below its strip): corners kept, sides stretched or tiled.
void PaintSkinnedPageFrame(QPainter& painter, const TabControlSkin& skin, const QRect& frame);

// The page background over area: the skin's background picture, or the client part of its
// picture, stretched or tiled by its stretch settings.
void PaintSkinnedPageBackground(QPainter& painter, const TabControlSkin& skin, const QRect& area);

// The strip background: the skin's tabs-background part (its client part when it has none)
// tiled from the strip's top-left corner.
void PaintSkinnedStripBackground(QPainter& painter, const TabControlSkin& skin, const QRect& strip);

// A close button of the skin in its place on a tab: the normal, hot or pressed picture, with
// the skin's transparent colour left out when it asks for that.
void PaintSkinnedCloseButton(QPainter& painter, const TabControlSkin& skin, const QRect& place, bool hot,
                             bool pressed);
