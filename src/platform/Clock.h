#pragma once

#include <QtGlobal>
#include <chrono>
#include <functional>

class QObject;

// Time as the client's self-repairing behaviour sees it: a monotonic reading and actions
// run after a pause. Behind an interface so that windows of seconds and pauses of a minute
// can be stepped through without waiting for them.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes back.
    virtual qint64 NowMs() = 0;
    // Runs Action once on the user-interface thread, Delay from now; never once Context is gone.
    virtual void After(std::chrono::milliseconds delay, QObject* context, std::function<void()> action) = 0;
};
