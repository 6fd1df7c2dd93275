#pragma once

#include "skinui/FrameStrips.h"
#include "skinui/NinePieceGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QRegion>

#include <array>
#include <optional>

// Window shapes from mask pictures: black pixels (red + green + blue = 0) are inside, every
// other colour is outside.
//
// The region data block is the platform's exchange form: a 32-byte header (header size 32,
// type 1 = rectangles, rectangle count, region size 0, bounding box left/top/right/bottom),
// then one 16-byte rectangle (left, top, right, bottom) per horizontal run of black pixels,
// all fields 32-bit little-endian, right and bottom exclusive.

// The data block of the black runs of mask, every rectangle moved by (xOffset, yOffset); the
// bounding box is the mask's rectangle at that offset. The block's size is 32 + 16 * count.
QByteArray BuildRegionData(const QImage& mask, int xOffset, int yOffset);

// The region a data block describes. Throws SkinUiError when the block is truncated, has a
// wrong header size or type, or a count that does not match its length.
QRegion RegionFromData(const QByteArray& data);

// The region of mask's black pixels at offset (0, 0).
QRegion RegionFromMask(const QImage& mask);

// The shape of a framed window width wide: the union of the four mask strips at their places
// (top at (0, 0), bottom at the new mask rectangle's bottom, left and right beside it) and the
// new mask rectangle (grown.clRect) itself. geometry's clRect is the mask rectangle of the mask
// picture. None when the new mask rectangle is inverted. Strips, when given, receives the mask
// strips (for hit tests that follow the shape).
std::optional<QRegion> BuildFramedRegion(const QImage& mask, const NinePieceGeometry& geometry,
                                         const NinePieceGeometry& grown, int width,
                                         FrameStripImages* strips = nullptr);

// A mask strip of a framed window at its place in the window.
struct PlacedMaskStrip {
    const QImage* image;
    QPoint at;
};
// The four mask strips (BuildMaskStrips) at their places for the new mask rectangle: top at
// (0, 0), bottom below the rectangle, left and right beside it.
std::array<PlacedMaskStrip, 4> PlaceMaskStrips(const FrameStripImages& strips, const QRect& newMaskRect);

// The window shape of placed mask strips: their black pixels and the new mask rectangle.
QRegion RegionFromMaskStrips(const FrameStripImages& strips, const QRect& newMaskRect);

// Whether point lies in that shape: inside the new mask rectangle or on a black pixel of the
// strip it falls in. Cheaper than building the region for one point.
bool InFramedShape(const FrameStripImages& strips, const QRect& newMaskRect, const QPoint& point);
