#pragma once

#include <QTest>
#include <functional>

// Spins the event loop until Condition holds or TimeoutMs passes; returns whether it held.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}
