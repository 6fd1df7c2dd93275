#include "platform/SystemClock.h"

#include <QTimer>

SystemClock& SystemClock::Instance()
{
    static SystemClock clock;
    return clock;
}

SystemClock::SystemClock()
{
    started_.start();
}

qint64 SystemClock::NowMs()
{
    return started_.elapsed();
}

void SystemClock::After(std::chrono::milliseconds delay, QObject* context, std::function<void()> action)
{
    QTimer::singleShot(delay, context, std::move(action));
}
