#pragma once

#include "framework/TTimer.h"

#include <QObject>
#include <gtest/gtest.h>

// Drives a component's timer by hand: the timer is stopped, so that no real tick comes
// between, and one tick is delivered now.
inline void Tick(TTimer* timer)
{
    ASSERT_NE(timer, nullptr);
    timer->SetEnabled(false);
    Q_EMIT timer->OnTimer(timer);
}

// A component's timer by its object name; nullptr when it has none.
inline TTimer* TimerOf(const QObject* owner, const char* name)
{
    return owner->findChild<TTimer*>(QLatin1String(name));
}
