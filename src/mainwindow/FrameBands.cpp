#include "mainwindow/FrameBands.h"

#include <algorithm>
#include <cmath>

namespace FrameBands {

namespace {
bool Within(int value, int low, int high) { return low <= value && value <= high; }
}  // namespace

std::optional<Qt::CursorShape> CursorAt(int W, int H, int X, int Y)
{
    if (4 < X && X < W - 4 && 4 < Y && Y < H - 4)
        return Qt::ArrowCursor;
    // Later rules override earlier ones: corners win over the sides.
    std::optional<Qt::CursorShape> cursor;
    if (Within(X, 0, 3) || Within(X, W - 3, W)) cursor = Qt::SizeHorCursor;
    if (Within(Y, 0, 3) || Within(Y, H - 3, H)) cursor = Qt::SizeVerCursor;
    if (Within(X, 0, 4) && Within(Y, 0, 4)) cursor = Qt::SizeFDiagCursor;
    if (Within(X, W - 4, W) && Within(Y, 0, 4)) cursor = Qt::SizeBDiagCursor;
    if (Within(X, 0, 4) && Within(Y, H - 4, H)) cursor = Qt::SizeBDiagCursor;
    if (Within(X, W - 4, W) && Within(Y, H - 4, H)) cursor = Qt::SizeFDiagCursor;
    return cursor;
}

int HitCodeAt(int W, int H, int X, int Y)
{
    int code = 0;
    if (Within(X, 0, 3)) code = HTLEFT;
    if (Within(X, W - 3, W)) code = HTRIGHT;
    if (Within(Y, 0, 3)) code = HTTOP;
    if (Within(Y, H - 4, H)) code = HTBOTTOM;  // the bottom press band is one pixel wider
    if (Within(X, 0, 4) && Within(Y, 0, 4)) code = HTTOPLEFT;
    if (Within(X, W - 4, W) && Within(Y, 0, 4)) code = HTTOPRIGHT;
    if (Within(X, 0, 4) && Within(Y, H - 4, H)) code = HTBOTTOMLEFT;
    if (Within(X, W - 4, W) && Within(Y, H - 4, H)) code = HTBOTTOMRIGHT;
    return code;
}

bool InSizeGrip(QSize picture, QPoint at)
{
    constexpr int grip = 16;
    return QRect(picture.width() - grip, picture.height() - grip, grip, grip).contains(at);
}

std::optional<QRect> MaximizedBounds(const WorkAreaRect& workArea, const AppBarData& taskbar)
{
    switch (taskbar.edge) {
    case AppBarData::Left:
        return QRect(taskbar.right, 0, workArea.right - taskbar.right, workArea.bottom);
    case AppBarData::Top:
        return QRect(0, taskbar.bottom, workArea.right, workArea.bottom - taskbar.bottom);
    case AppBarData::Right:
    case AppBarData::Bottom:
        return QRect(0, 0, workArea.right, workArea.bottom);
    default:
        return std::nullopt;
    }
}

QRegion RoundRectRegion(int right, int bottom, int ellipseW, int ellipseH)
{
    QRegion region(0, 0, right, bottom);
    const double rx = ellipseW / 2.0, ry = ellipseH / 2.0;
    // Cut each corner row by row where the row's centre lies outside the corner ellipse.
    for (int row = 0; row < int(ry); ++row) {
        const double dy = ry - (row + 0.5);
        const int inset = int(std::lround(rx - rx * std::sqrt(std::max(0.0, 1.0 - dy * dy / (ry * ry)))));
        if (inset <= 0)
            continue;
        region -= QRegion(0, row, inset, 1);
        region -= QRegion(right - inset, row, inset, 1);
        region -= QRegion(0, bottom - 1 - row, inset, 1);
        region -= QRegion(right - inset, bottom - 1 - row, inset, 1);
    }
    return region;
}

}  // namespace FrameBands
