#pragma once

#include <QImage>
#include <QPainter>

// Paints pieces of a skin picture into a destination image the way every builder of the
// toolbox needs: plain copies (source copy mode, alpha included), stretching without smoothing
// so results are exact, and tiling with unscaled copies whose last one is cut short so that
// nothing lands past the end of the span. Pieces of zero or negative size are skipped (a
// tiling period of zero would otherwise never advance).
class PiecePainter {
public:
    PiecePainter(QImage& destination, const QImage& picture);

    // The piece source of the picture, unscaled, with its top-left corner at "at".
    void Copy(const QRect& source, const QPoint& at);
    // The piece source of the picture scaled into target.
    void Stretch(const QRect& source, const QRect& target);
    // Copies of the piece source side by side and row under row from area's top-left corner,
    // cut at area's right and bottom edges.
    void Tile(const QRect& source, const QRect& area);
    // The same with pieces of another image (a piece scaled beforehand).
    void Tile(const QImage& from, const QRect& source, const QRect& area);

    QPainter& painter() { return painter_; }

private:
    QPainter painter_;
    const QImage& picture_;
};

// Gives destination the size width x height, blank, in a format that holds the picture's
// pixels exactly. A non-positive size leaves a null image.
void ResetDestination(QImage& destination, const QImage& picture, int width, int height);
