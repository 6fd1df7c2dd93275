#pragma once

#include "skinframe/FrameObjectLook.h"
#include "skinframe/TbsActiveSkinObject.h"

class QPainter;

// The looks an object has in the form's state: its own, or its restore looks while a caption
// button is in its alternate state.
ObjectLooks LooksOf(const TbsActiveSkinObject& object, const FrameObjectPaint& paint);
// The state it is drawn in.
ObjectLookState LookStateOf(const TbsActiveSkinObject& object, const FrameObjectPaint& paint);

// Draws one frame object at its rectangle (painter in form coordinates): the look its state
// picks, copied at its own size from the object's picture or the frame picture (the normal
// look of a part of the frame picture is already on the frame); a blend of its normal and hot
// looks while it morphs; the form's icon on a system-menu button that shows it; the default
// frame's flat cell and glyph; and on a caption, the form's caption text.
void PaintFrameObject(QPainter& painter, const TbsActiveSkinObject& object, const FrameObjectPaint& paint);

// Where a caption object's text goes: its text rectangle keeping its distances to the edges as
// the object grows; empty when the skin names none.
QRect CaptionTextRect(const TbsActiveSkinObject& caption);
