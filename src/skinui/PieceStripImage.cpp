#include "skinui/PieceStripImage.h"

#include "skinui/PiecePainter.h"
#include "skinui/SkinRect.h"

namespace {

// A rectangle running from "from" to "to" along the orientation and across the whole
// thickness of the strip.
QRect Span(Qt::Orientation orientation, int from, int to, int thickness)
{
    return orientation == Qt::Horizontal ? SkinRect(from, 0, to, thickness)
                                         : SkinRect(0, from, thickness, to);
}

void BuildPieceStrip(Qt::Orientation orientation, int head, int tail, QImage& destination,
                     const QImage& picture, const QRect& source, int length, bool stretchMiddle,
                     bool zeroMiddleIsOne)
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int sourceLength = horizontal ? source.width() : source.height();
    const int thickness = horizontal ? source.height() : source.width();
    ResetDestination(destination, picture, horizontal ? length : thickness,
                     horizontal ? thickness : length);
    if (destination.isNull() || picture.isNull())
        return;
    const QPoint origin = source.topLeft();
    PiecePainter painter(destination, picture);
    if (head != 0)
        painter.Copy(Span(orientation, 0, head, thickness).translated(origin), QPoint(0, 0));
    if (tail != 0) {
        const QRect end = Span(orientation, sourceLength - tail, sourceLength, thickness);
        painter.Copy(end.translated(origin), Span(orientation, length - tail, length, 0).topLeft());
    }
    int middle = sourceLength - head - tail;
    if (middle == 0 && zeroMiddleIsOne)
        middle = 1;
    const QRect piece = Span(orientation, head, head + middle, thickness).translated(origin);
    const QRect target = Span(orientation, head, length - tail, thickness);
    if (stretchMiddle)
        painter.Stretch(piece, target);
    else
        painter.Tile(piece, target);
}

} // namespace

void BuildHorizontalPieceImage(int headWidth, int tailWidth, QImage& destination,
                               const QImage& picture, const QRect& source, int width,
                               bool stretchMiddle)
{
    BuildPieceStrip(Qt::Horizontal, headWidth, tailWidth, destination, picture, source, width,
                    stretchMiddle, true);
}

void BuildVerticalPieceImage(int headHeight, int tailHeight, QImage& destination,
                             const QImage& picture, const QRect& source, int height,
                             bool stretchMiddle)
{
    BuildPieceStrip(Qt::Vertical, headHeight, tailHeight, destination, picture, source, height,
                    stretchMiddle, false);
}

void BuildHorizontalPieceImage(int headWidth, int tailWidth, QImage& destination,
                               const ScaledSkinPicture& picture, const QRect& source, int width,
                               bool stretchMiddle)
{
    const int scale = picture.Scale();
    BuildHorizontalPieceImage(headWidth * scale, tailWidth * scale, destination, picture.Source(),
                              ScaledRect(source, scale), width * scale, stretchMiddle);
    picture.Finish(destination, QSize(width, source.height()));
}

void BuildVerticalPieceImage(int headHeight, int tailHeight, QImage& destination,
                             const ScaledSkinPicture& picture, const QRect& source, int height,
                             bool stretchMiddle)
{
    const int scale = picture.Scale();
    BuildVerticalPieceImage(headHeight * scale, tailHeight * scale, destination, picture.Source(),
                            ScaledRect(source, scale), height * scale, stretchMiddle);
    picture.Finish(destination, QSize(source.width(), height));
}
