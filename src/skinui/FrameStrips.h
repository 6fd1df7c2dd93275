#pragma once

#include "skinui/NinePieceImage.h"

#include <QImage>

class QPainter;

// The four border strips of a window frame. The caller draws them at (0, 0) for the top one,
// (0, top height) for the left one, (window width - right width, top height) for the right one
// and (0, window height - bottom height) for the bottom one.
struct FrameStripImages {
    QImage left;
    QImage top;
    QImage right;
    QImage bottom;
};

// Cuts the frame picture's part source into the four strips of a window of size window.
// geometry is relative to source, grown to the window; of options only the side stretch flags
// count. A strip whose size or side piece would be empty is left as it was.
void BuildFrameStrips(FrameStripImages& strips, const QImage& picture, const QRect& source,
                      const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                      const QSize& window, NinePieceOptions options);

// The same build for a device pixel ratio (ScaledSkinPicture): arguments in logical pixels,
// the strips in device pixels; each strip's logical size is the 1x build's.
void BuildFrameStrips(FrameStripImages& strips, const ScaledSkinPicture& picture, const QRect& source,
                      const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                      const QSize& window, NinePieceOptions options);

// Draws the strips around frame, the rectangle they were built for, each at its logical size.
void DrawFrameStrips(QPainter& painter, const FrameStripImages& strips, const QRect& frame);

// Cuts a whole mask picture into the four strips of a window windowWidth wide. The clRect of
// geometry is the mask rectangle, the clRect of grown the new one; sides are always tiled. The
// left and right strips are as tall as the new mask rectangle. A strip whose width or height
// would be zero or less is left as it was.
void BuildMaskStrips(FrameStripImages& strips, const QImage& mask, const NinePieceGeometry& geometry,
                     const NinePieceGeometry& grown, int windowWidth);
