#include "framework/TTimer.h"

#include "framework/TApplicationEvents.h"

TTimer::TTimer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { TApplicationEvents::Guard([this] { Q_EMIT OnTimer(this); }); });
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == timer_.isActive())
        return;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

void TTimer::SetInterval(int milliseconds)
{
    if (timer_.interval() == milliseconds)
        return;
    timer_.setInterval(milliseconds);
}
