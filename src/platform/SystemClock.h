#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

// The real clock: the system's monotonic clock and single-shot timers.
class SystemClock : public Clock {
public:
    SystemClock();
    qint64 NowMs() override;
    void After(std::chrono::milliseconds delay, QObject* context, std::function<void()> action) override;

private:
    QElapsedTimer started_;
};
