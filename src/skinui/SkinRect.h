#pragma once

#include <QRect>

// Skin rectangles are left, top, right, bottom with right and bottom exclusive. We keep them
// in QRect (whose right() is inclusive), so every edge that the drawing code needs goes
// through these helpers and nobody has to remember the off-by-one.
inline QRect SkinRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

inline int RightOf(const QRect& r) { return r.x() + r.width(); }
inline int BottomOf(const QRect& r) { return r.y() + r.height(); }

// The controls' own hit test: inclusive on all four sides.
inline bool PointInSkinRect(const QRect& r, const QPoint& p)
{
    return p.x() >= r.x() && p.x() <= RightOf(r) && p.y() >= r.y() && p.y() <= BottomOf(r);
}
