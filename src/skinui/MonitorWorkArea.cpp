#include "skinui/MonitorWorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <limits>

namespace {

qint64 Area(const QRect& r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

qint64 CentreDistanceSquared(const QRect& a, const QRect& b)
{
    // Twice the centres, so that odd sizes stay exact.
    const qint64 dx = (2LL * a.x() + a.width()) - (2LL * b.x() + b.width());
    const qint64 dy = (2LL * a.y() + a.height()) - (2LL * b.y() + b.height());
    return dx * dx + dy * dy;
}

int NearestByCentre(const QList<QRect>& screens, const QRect& rect)
{
    int nearest = -1;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < screens.size(); ++i) {
        const qint64 d = CentreDistanceSquared(screens.at(i), rect);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

QRect AreaOf(const QScreen* screen, bool workArea)
{
    if (!screen)
        return QRect();
    return workArea ? screen->availableGeometry() : screen->geometry();
}

} // namespace

int ScreenIndexForRect(const QList<QRect>& screens, const QRect& rect)
{
    const QRect probe = rect.width() == 0 && rect.height() == 0 ? QRect(rect.topLeft(), QSize(1, 1)) : rect;
    int largest = -1;
    qint64 most = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const qint64 overlap = Area(screens.at(i).intersected(probe));
        if (overlap > most) {
            most = overlap;
            largest = i;
        }
    }
    return largest >= 0 ? largest : NearestByCentre(screens, probe);
}

QRect GetMonitorWorkArea(const QRect& rect, bool workArea)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<QRect> geometries;
    for (const QScreen* screen : screens)
        geometries << screen->geometry();
    const int index = ScreenIndexForRect(geometries, rect);
    return AreaOf(index >= 0 ? screens.at(index) : QGuiApplication::primaryScreen(), workArea);
}

QRect GetMonitorWorkArea(const QWidget* window, bool workArea)
{
    if (!window)
        return AreaOf(QGuiApplication::primaryScreen(), workArea);
    return GetMonitorWorkArea(window->window()->frameGeometry(), workArea);
}
