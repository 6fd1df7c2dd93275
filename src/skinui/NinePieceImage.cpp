#include "skinui/NinePieceImage.h"

#include "skinui/PiecePainter.h"
#include "skinui/SkinRect.h"

#include <array>

namespace {

struct Corner {
    QRect source;
    QPoint at;
};

void DrawSide(PiecePainter& painter, bool stretch, const QRect& source, const QRect& target)
{
    if (stretch)
        painter.Stretch(source, target);
    else
        painter.Tile(source, target);
}

QImage ScaledPiece(const QImage& picture, const QRect& piece, const QSize& size)
{
    return picture.copy(piece).scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void DrawMiddle(PiecePainter& painter, const QImage& picture, const QRect& piece,
                const QRect& target, NinePieceOptions options, MiddleStretchType type)
{
    if (!(options & NinePieceOption::DrawClient))
        return;
    if (!(options & NinePieceOption::StretchMiddle)) {
        painter.Tile(piece, target);
        return;
    }
    if (target.isEmpty() || piece.isEmpty())
        return;
    if (type == MiddleStretchType::TileHorizontally) {
        const QImage scaled = ScaledPiece(picture, piece, QSize(piece.width(), target.height()));
        painter.Tile(scaled, scaled.rect(), target);
    } else if (type == MiddleStretchType::TileVertically) {
        const QImage scaled = ScaledPiece(picture, piece, QSize(target.width(), piece.height()));
        painter.Tile(scaled, scaled.rect(), target);
    } else {
        painter.Stretch(piece, target);
    }
}

} // namespace

void BuildNinePieceImage(QImage& destination, const QImage& picture, const QRect& source,
                         const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                         const QSize& size, NinePieceOptions options, MiddleStretchType stretchType)
{
    ResetDestination(destination, picture, size.width(), size.height());
    const NinePieceGeometry& g = geometry;
    if (destination.isNull() || picture.isNull() || g.rb.x() == g.lt.x() || g.rb.y() == g.lt.y())
        return;
    const NinePieceGeometry& n = grown;
    const QRect& cl = g.clRect;
    const QRect& ncl = n.clRect;
    const int ws = source.width();
    const int hs = source.height();
    const int w = size.width();
    const int h = size.height();
    const auto piece = [&source](int left, int top, int right, int bottom) {
        return SkinRect(left, top, right, bottom).translated(source.topLeft());
    };

    PiecePainter painter(destination, picture);
    DrawSide(painter, options & NinePieceOption::StretchTop, piece(g.lt.x(), 0, g.rt.x(), cl.y()),
             SkinRect(n.lt.x(), 0, n.rt.x(), ncl.y()));
    DrawSide(painter, options & NinePieceOption::StretchBottom,
             piece(g.lb.x(), BottomOf(cl), g.rb.x(), hs),
             SkinRect(n.lb.x(), BottomOf(ncl), n.rb.x(), h));
    DrawSide(painter, options & NinePieceOption::StretchLeft, piece(0, g.lt.y(), cl.x(), g.lb.y()),
             SkinRect(0, n.lt.y(), ncl.x(), n.lb.y()));
    DrawSide(painter, options & NinePieceOption::StretchRight,
             piece(RightOf(cl), g.rt.y(), ws, g.rb.y()),
             SkinRect(RightOf(ncl), n.rt.y(), w, n.rb.y()));

    // Corners go on top of the sides.
    const std::array<Corner, 8> corners{{
        {piece(0, 0, g.lt.x(), cl.y()), QPoint(0, 0)},
        {piece(0, cl.y(), cl.x(), g.lt.y()), QPoint(0, ncl.y())},
        {piece(g.rt.x(), 0, ws, cl.y()), QPoint(n.rt.x(), 0)},
        {piece(RightOf(cl), cl.y(), ws, g.rt.y()), QPoint(RightOf(ncl), ncl.y())},
        {piece(0, g.lb.y(), cl.x(), hs), QPoint(0, n.lb.y())},
        {piece(cl.x(), BottomOf(cl), g.lb.x(), hs), QPoint(ncl.x(), BottomOf(ncl))},
        {piece(g.rb.x(), BottomOf(cl), ws, hs), QPoint(n.rb.x(), BottomOf(ncl))},
        {piece(RightOf(cl), g.rb.y(), ws, BottomOf(cl)), QPoint(RightOf(ncl), n.rb.y())},
    }};
    for (const Corner& corner : corners)
        painter.Copy(corner.source, corner.at);

    DrawMiddle(painter, picture, cl.translated(source.topLeft()), ncl, options, stretchType);
}

void BuildStretchedImage(QImage& destination, const QImage& picture, const QRect& source,
                         const QRect& client, bool drawClient)
{
    const NinePieceGeometry geometry = NinePieceGeometry::AtClientCorners(client);
    const QSize size = destination.size();
    NinePieceOptions options = NinePieceOption::StretchLeft | NinePieceOption::StretchTop
        | NinePieceOption::StretchRight | NinePieceOption::StretchBottom
        | NinePieceOption::StretchMiddle;
    if (drawClient)
        options |= NinePieceOption::DrawClient;
    BuildNinePieceImage(destination, picture, source, geometry,
                        geometry.GrownTo(source.size(), size), size, options);
}

void BuildNinePieceImage(QImage& destination, const ScaledSkinPicture& picture, const QRect& source,
                         const NinePieceGeometry& geometry, const NinePieceGeometry& grown,
                         const QSize& size, NinePieceOptions options, MiddleStretchType stretchType)
{
    const int scale = picture.Scale();
    BuildNinePieceImage(destination, picture.Source(), ScaledRect(source, scale), geometry.Scaled(scale),
                        grown.Scaled(scale), size * scale, options, stretchType);
    picture.Finish(destination, size);
}

void BuildStretchedImage(QImage& destination, const ScaledSkinPicture& picture, const QRect& source,
                         const QRect& client, bool drawClient, const QSize& size)
{
    const int scale = picture.Scale();
    destination = QImage(size * scale, QImage::Format_ARGB32);
    BuildStretchedImage(destination, picture.Source(), ScaledRect(source, scale), ScaledRect(client, scale),
                        drawClient);
    picture.Finish(destination, size);
}
