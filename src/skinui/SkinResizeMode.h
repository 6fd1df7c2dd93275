#pragma once

#include "skinui/NinePieceImage.h"
#include "skinui/ScaledSkinPicture.h"

// How a skinned control grows its skin rectangle, derived from the skin object's corner
// points: none without a skin rectangle; both directions when the right-bottom point has both
// coordinates non-zero; else horizontal only when the right-top point is set; else vertical
// only when the left-bottom point is set; else fixed.
enum class TbsResizeMode { None, Fixed, Horizontal, Vertical, Both };

TbsResizeMode ResizeModeOf(const QRect& skinRect, const NinePieceGeometry& geometry);

// The size a control takes under its resize mode when asked for requested: fixed keeps the
// skin rectangle's size, horizontal its height, vertical its width; both and none take any.
QSize SizeUnderRule(TbsResizeMode mode, const QSize& skinSize, const QSize& requested);

// Draws the skin rectangle of picture at size the way a skinned control of that mode does:
// fixed copies it; horizontal keeps the part left of the left-top point's X and the part right
// of the right-top point's X; vertical likewise with the left-top and left-bottom
// points' Y; both directions grows all nine pieces by options and stretchType. The destination
// is resized; it is null for mode None.
void BuildResizedImage(QImage& destination, const QImage& picture, const QRect& skinRect,
                       const NinePieceGeometry& geometry, NinePieceOptions options,
                       MiddleStretchType stretchType, const QSize& size);

// The same build for a device pixel ratio (ScaledSkinPicture): arguments in logical pixels,
// the destination in device pixels.
void BuildResizedImage(QImage& destination, const ScaledSkinPicture& picture, const QRect& skinRect,
                       const NinePieceGeometry& geometry, NinePieceOptions options,
                       MiddleStretchType stretchType, const QSize& size);
