#include "skinui/MonitorWorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <limits>

namespace {

// Squared distance from p to the nearest point of r.
qint64 DistanceSquared(const QRect& r, const QPoint& p)
{
    const qint64 dx = p.x() < r.left() ? r.left() - p.x() : (p.x() > r.right() ? p.x() - r.right() : 0);
    const qint64 dy = p.y() < r.top() ? r.top() - p.y() : (p.y() > r.bottom() ? p.y() - r.bottom() : 0);
    return dx * dx + dy * dy;
}

QScreen* NearestScreen(const QWidget* window)
{
    if (!window)
        return QGuiApplication::primaryScreen();
    const QPoint centre = window->window()->frameGeometry().center();
    QScreen* nearest = QGuiApplication::primaryScreen();
    qint64 best = std::numeric_limits<qint64>::max();
    for (QScreen* screen : QGuiApplication::screens()) {
        const qint64 d = DistanceSquared(screen->geometry(), centre);
        if (d < best) {
            best = d;
            nearest = screen;
        }
    }
    return nearest;
}

} // namespace

QRect GetMonitorWorkArea(const QWidget* window, bool workArea)
{
    const QScreen* screen = NearestScreen(window);
    if (!screen)
        return QRect();
    return workArea ? screen->availableGeometry() : screen->geometry();
}
