#include "skinui/SkinGlyphs.h"

#include "skinui/SkinRect.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

// A diagonal's band on a device with more than one pixel per logical pixel, row by device row:
// the band one logical pixel wide that its 1x pixels cover, moving one device pixel sideways
// per device row instead of in blocks of ratio x ratio pixels. False (nothing drawn) at a
// ratio of 1 or under a transform that does more than scale evenly and move.
bool DeviceDiagonal(QPainter& painter, const QPoint& a, int dx, int dy, int steps, const QColor& color)
{
    const QTransform device = painter.deviceTransform();
    const qreal ratio = device.m11();
    if (device.type() > QTransform::TxScale || ratio != device.m22() || ratio <= 1)
        return false;
    const QPointF start = device.map(QPointF(a));  // the first pixel's top-left, in device pixels
    const qreal top = dy > 0 ? start.y() : start.y() + ratio - steps * ratio;
    painter.save();
    painter.setWorldTransform(device.inverted() * painter.worldTransform());  // device pixels from here
    for (int row = qRound(top); row < qRound(top + steps * ratio); ++row) {
        // Down the band from its first pixel's top edge, or up it from its first pixel's bottom.
        const qreal along = dy > 0 ? row - start.y() : start.y() + ratio - (row + 1);
        const qreal left = start.x() + along * dx;
        const int from = qRound(left);
        painter.fillRect(QRect(from, row, qRound(left + ratio) - from, 1), color);
    }
    painter.restore();
    return true;
}

// A line from a up to, not including, b. Glyph lines are horizontal, vertical or diagonal at
// 45 degrees, which this walks pixel by pixel.
void Line(QPainter& painter, const QPoint& a, const QPoint& b, const QColor& color)
{
    const int dx = Sign(b.x() - a.x());
    const int dy = Sign(b.y() - a.y());
    const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    if (dx != 0 && dy != 0 && DeviceDiagonal(painter, a, dx, dy, steps, color))
        return;
    for (int i = 0; i < steps; ++i)
        painter.fillRect(a.x() + i * dx, a.y() + i * dy, 1, 1, color);
}

void HollowRect(QPainter& painter, int left, int top, int right, int bottom, const QColor& color)
{
    Line(painter, QPoint(left, top), QPoint(right, top), color);
    Line(painter, QPoint(left, bottom - 1), QPoint(right, bottom - 1), color);
    Line(painter, QPoint(left, top), QPoint(left, bottom), color);
    Line(painter, QPoint(right - 1, top), QPoint(right - 1, bottom), color);
}

void CloseGlyph(QPainter& p, int x, int y, const QColor& c)
{
    Line(p, QPoint(x + 1, y + 1), QPoint(x + 9, y + 9), c);
    Line(p, QPoint(x + 9, y + 1), QPoint(x + 1, y + 9), c);
    Line(p, QPoint(x + 2, y + 1), QPoint(x + 10, y + 9), c);
    Line(p, QPoint(x + 8, y + 1), QPoint(x, y + 9), c);
}

void CheckMarkGlyph(QPainter& p, int x, int y, const QColor& c)
{
    for (int i = 0; i <= 2; ++i) {
        Line(p, QPoint(x, y + 5 - i), QPoint(x + 2, y + 7 - i), c);
        Line(p, QPoint(x + 2, y + 7 - i), QPoint(x + 7, y + 2 - i), c);
    }
}

void RestoreGlyph(QPainter& p, int x, int y, const QColor& c)
{
    HollowRect(p, x + 2, y, x + 10, y + 6, c);
    HollowRect(p, x + 2, y, x + 10, y + 2, c);
    HollowRect(p, x, y + 4, x + 7, y + 10, c);
    HollowRect(p, x, y + 4, x + 7, y + 6, c);
}

void RollGlyph(QPainter& p, int x, int y, bool wideAtTop, const QColor& c)
{
    for (int i = 0; i <= 4; ++i) {
        const int row = y + 6 - i;
        if (wideAtTop)
            Line(p, QPoint(x + 5 - i, row), QPoint(x + 5 + i, row), c);
        else
            Line(p, QPoint(x + 1 + i, row), QPoint(x + 9 - i, row), c);
    }
}

// The outline pixels of the rectangle left..right x top..bottom (all inclusive), clockwise
// from the top-left one, each pixel once.
std::vector<QPoint> OutlineWalk(int left, int top, int right, int bottom)
{
    std::vector<QPoint> walk;
    if (left == right || top == bottom) {
        const QPoint step(Sign(right - left), Sign(bottom - top));
        for (QPoint p(left, top); walk.empty() || walk.back() != QPoint(right, bottom); p += step)
            walk.push_back(p);
        return walk;
    }
    for (int x = left; x < right; ++x)
        walk.emplace_back(x, top);
    for (int y = top; y < bottom; ++y)
        walk.emplace_back(right, y);
    for (int x = right; x > left; --x)
        walk.emplace_back(x, bottom);
    for (int y = bottom; y > top; --y)
        walk.emplace_back(left, y);
    return walk;
}

} // namespace

void DrawArrowGlyph(QPainter& painter, ArrowGlyph glyph, const QRect& rect, const QColor& color)
{
    const int cx = rect.x() + rect.width() / 2;
    const int cy = rect.y() + rect.height() / 2;
    switch (glyph) {
    case ArrowGlyph::Left:
        for (int i = 0; i <= 3; ++i)
            Line(painter, QPoint(cx + i - 2, cy - i), QPoint(cx + i - 2, cy + i + 1), color);
        break;
    case ArrowGlyph::Right:
        for (int n = 3; n >= 0; --n)
            Line(painter, QPoint(cx - n + 2, cy - n), QPoint(cx - n + 2, cy + n + 1), color);
        break;
    case ArrowGlyph::Up:
        for (int i = 0; i <= 3; ++i)
            Line(painter, QPoint(cx - i, cy + i - 2), QPoint(cx + i + 1, cy + i - 2), color);
        break;
    case ArrowGlyph::Down:
    case ArrowGlyph::SmallDown:
        for (int n = glyph == ArrowGlyph::Down ? 3 : 2; n >= 0; --n)
            Line(painter, QPoint(cx - n, cy - n + 2), QPoint(cx + n + 1, cy - n + 2), color);
        break;
    }
}

void DrawFrameGlyph(QPainter& painter, FrameGlyph glyph, const QPoint& at, const QColor& color)
{
    const int x = at.x();
    const int y = at.y();
    switch (glyph) {
    case FrameGlyph::CheckMark: CheckMarkGlyph(painter, x, y, color); break;
    case FrameGlyph::Close: CloseGlyph(painter, x, y, color); break;
    case FrameGlyph::Minimize:
        Line(painter, QPoint(x + 1, y + 8), QPoint(x + 9, y + 8), color);
        Line(painter, QPoint(x + 1, y + 9), QPoint(x + 9, y + 9), color);
        break;
    case FrameGlyph::Maximize:
        HollowRect(painter, x, y, x + 11, y + 10, color);
        HollowRect(painter, x, y, x + 11, y + 2, color);
        break;
    case FrameGlyph::Restore: RestoreGlyph(painter, x, y, color); break;
    case FrameGlyph::RollDown: RollGlyph(painter, x, y, true, color); break;
    case FrameGlyph::RollUp: RollGlyph(painter, x, y, false, color); break;
    case FrameGlyph::SystemMenu: HollowRect(painter, x + 1, y + 3, x + 9, y + 6, color); break;
    case FrameGlyph::ToTray: painter.fillRect(SkinRect(x + 2, y + 2, x + 7, y + 7), color); break;
    }
}

void DrawDottedFocusRect(QPainter& painter, const QRect& rect)
{
    const int right = RightOf(rect) - 1;
    const int bottom = BottomOf(rect) - 1;
    const int w = right - rect.x();
    const int h = bottom - rect.y();
    if (w < 0 || h < 0)
        return;
    const QColor color = painter.pen().color();
    bool set = !(w % 2 == 0 && h % 2 == 0);
    for (const QPoint& p : OutlineWalk(rect.x(), rect.y(), right, bottom)) {
        if (set)
            painter.fillRect(p.x(), p.y(), 1, 1, color);
        set = !set;
    }
}
