#include "skincontrols/GaugeGeometry.h"

#include <QtMath>

double GaugeFraction(int value, int minimum, int maximum)
{
    if (maximum == minimum)
        return 0.0;
    const double fraction = (double(value) - minimum) / (double(maximum) - minimum);
    return qBound(0.0, fraction, 1.0);
}

QRect GaugeProgressRect(const QRect& area, double fraction, bool vertical)
{
    if (!vertical)
        return QRect(area.topLeft(), QSize(qRound(area.width() * fraction), area.height()));
    const int height = qRound(area.height() * fraction);
    return QRect(area.x(), area.y() + area.height() - height, area.width(), height);
}

QRect GaugeAnimationFrame(const QRect& strip, int count, int frame)
{
    if (count <= 0 || frame < 1 || frame > count || strip.isEmpty())
        return QRect();
    if (strip.width() >= strip.height()) {
        const int width = strip.width() / count;
        return QRect(strip.x() + (frame - 1) * width, strip.y(), width, strip.height());
    }
    const int height = strip.height() / count;
    return QRect(strip.x(), strip.y() + (frame - 1) * height, strip.width(), height);
}
