#pragma once

#include "skinui/NinePieceGeometry.h"
#include "skinui/ScaledSkinPicture.h"

#include <QFlags>
#include <QImage>

// What a nine-piece build scales and whether it draws the middle at all. A side or middle
// without its stretch flag is tiled.
enum class NinePieceOption {
    DrawClient = 0x01,
    StretchLeft = 0x02,
    StretchTop = 0x04,
    StretchRight = 0x08,
    StretchBottom = 0x10,
    StretchMiddle = 0x20,
};
Q_DECLARE_FLAGS(NinePieceOptions, NinePieceOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(NinePieceOptions)

// How a stretched middle fills the new client rectangle: scaled to the whole of it, scaled to
// its height and tiled left to right, or scaled to its width and tiled top to bottom.
enum class MiddleStretchType { Whole = 0, TileHorizontally = 1, TileVertically = 2 };

// Grows the part source of picture to size, keeping the eight corner pieces, stretching or
// tiling the four sides and the middle. geometry is relative to source, grown relative to the
// destination (usually geometry.GrownTo(source.size(), size)). The destination is resized
// first and stays blank when the picture is empty or the corner points coincide.
void BuildNinePieceImage(QImage& destination, const QImage& picture, const QRect& source,
                         const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                         const QSize& size, NinePieceOptions options,
                         MiddleStretchType stretchType = MiddleStretchType::Whole);

// A nine-piece build at destination's current size with everything stretched and the corner
// points at the corners of client (relative to source).
void BuildStretchedImage(QImage& destination, const QImage& picture, const QRect& source,
                         const QRect& client, bool drawClient);

// The same builds for a device pixel ratio (ScaledSkinPicture): arguments in logical pixels,
// the destination in device pixels cut from the double-size picture where there is one. size
// is the destination's logical size (BuildStretchedImage's too).
void BuildNinePieceImage(QImage& destination, const ScaledSkinPicture& picture, const QRect& source,
                         const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                         const QSize& size, NinePieceOptions options,
                         MiddleStretchType stretchType = MiddleStretchType::Whole);
void BuildStretchedImage(QImage& destination, const ScaledSkinPicture& picture, const QRect& source,
                         const QRect& client, bool drawClient, const QSize& size);
