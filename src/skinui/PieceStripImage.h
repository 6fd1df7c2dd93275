#pragma once

#include "skinui/ScaledSkinPicture.h"

#include <QImage>

// Grows the part source of picture to width, keeping its first headWidth and last tailWidth
// columns and stretching or tiling the columns between. A middle of zero width is taken as one
// column wide. The destination becomes width x source height.
void BuildHorizontalPieceImage(int headWidth, int tailWidth, QImage& destination,
                               const QImage& picture, const QRect& source, int width,
                               bool stretchMiddle);

// The same turned by 90 degrees: first headHeight and last tailHeight rows kept, the rows
// between grown to height. A middle of zero height draws nothing.
void BuildVerticalPieceImage(int headHeight, int tailHeight, QImage& destination,
                             const QImage& picture, const QRect& source, int height,
                             bool stretchMiddle);

// The same builds for a device pixel ratio (ScaledSkinPicture): ends, source and length in
// logical pixels, the destination in device pixels.
void BuildHorizontalPieceImage(int headWidth, int tailWidth, QImage& destination,
                               const ScaledSkinPicture& picture, const QRect& source, int width,
                               bool stretchMiddle);
void BuildVerticalPieceImage(int headHeight, int tailHeight, QImage& destination,
                             const ScaledSkinPicture& picture, const QRect& source, int height,
                             bool stretchMiddle);
