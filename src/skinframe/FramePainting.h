#pragma once

#include "skinframe/FrameObjectLook.h"
#include "skinframe/TbsActiveSkinObject.h"
#include "skinui/FrameStrips.h"

#include <QFont>

class QPainter;
class TbsSkinData;
struct FrameGeometry;

// The four strips of a skinned form's frame, cut from the frame picture (the inactive one
// while the form is inactive, where the skin has one) for the form's size; with the skin's
// automatic inactive look the inactive effect is applied to them. Strips come out null for a
// skin without a frame picture.
// At a ratio above 1 they are cut from the double-size picture where the skin has one.
FrameStripImages BuildFormFrameStrips(const TbsSkinData& store, const FrameGeometry& geometry, bool formActive,
                                      qreal ratio = 1);

// The frame picture the form is drawn with in that state, and its double-size form (null for
// none).
const QImage& FormFramePicture(const TbsSkinData& store, bool formActive);
const QImage& FormFrameDoubleSize(const TbsSkinData& store, bool formActive);

// Paints the frame: every visible object into the top strip, or into the bottom strip when it
// lies below the client area's top, then the four strips at their places around the client
// rectangle. Nothing is painted over the client rectangle.
void PaintSkinFrame(QPainter& painter, FrameStripImages strips, const FrameGeometry& geometry,
                    const FrameObjectList& objects, const FrameObjectPaint& paint);

// The frame drawn without a skin: a button-face border with a one-pixel shadow line around it,
// the caption bar with the caption text in captionFont (button-text colour while active,
// button-shadow otherwise) beside the buttons, and the buttons.
void PaintDefaultFrame(QPainter& painter, const FrameGeometry& geometry, const QFont& captionFont,
                       const FrameObjectList& objects, const FrameObjectPaint& paint);

// The client area's background: button face without a skin or without a client piece;
// otherwise the skin's background picture, or the frame picture's client piece, stretched to
// the client area (stretch type 0), stretched to its height and tiled across (1) or stretched
// to its width and tiled down (2) when the skin stretches it, else tiled from its top-left.
void PaintClientBackground(QPainter& painter, const TbsSkinData* store, const QRect& client);
