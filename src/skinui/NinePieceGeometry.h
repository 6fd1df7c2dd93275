#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The corner points and client rectangle that cut a skin rectangle into nine pieces:
// LT..RT is the top side, LB..RB the bottom side, LT.Y..LB.Y the left side and RT.Y..RB.Y the
// right side; clRect's left and top are the left and top border sizes, and the source width
// minus clRect's right edge is the right border width (likewise for the bottom).
// Coordinates are relative to the skin rectangle, or to the grown destination for the
// geometry returned by Grown().
struct NinePieceGeometry {
    QPoint lt;
    QPoint rt;
    QPoint lb;
    QPoint rb;
    QRect clRect;

    // The corner points on the corners of the client rectangle: the sides are exactly the
    // borders beside the client rectangle.
    static NinePieceGeometry AtClientCorners(const QRect& clRect);

    // The same geometry for a destination dW wider and dH taller than the source: the right
    // and bottom points and edges move with the size, the left and top ones stay.
    NinePieceGeometry Grown(int dW, int dH) const;
    // The geometry of a skin rectangle of size source grown to size destination.
    NinePieceGeometry GrownTo(const QSize& source, const QSize& destination) const;
    // The same geometry on a picture scale times as large (a double-size picture: 2).
    NinePieceGeometry Scaled(int scale) const;
};
