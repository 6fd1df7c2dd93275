#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

// The real clock: the system's monotonic clock and single-shot timers. One for the whole
// process, which outlives every window and every object that keeps a reference to it.
class SystemClock : public Clock {
public:
    static SystemClock& Instance();

    qint64 NowMs() override;
    void After(std::chrono::milliseconds delay, QObject* context, std::function<void()> action) override;

private:
    SystemClock();

    QElapsedTimer started_;
};
