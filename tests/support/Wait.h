#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <functional>

// Spins the event loop until Condition holds or TimeoutMs passes; returns whether it held.
// It runs a real event loop, as the client does, rather than short bursts of events between
// sleeps: the web engine's own tasks run on this thread, and a page that makes a thousand
// requests takes minutes instead of a second or two when the loop naps between them. Objects
// whose deletion was deferred go meanwhile, as they would between turns of the client's loop.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000)
{
    if (condition())
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (condition() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(10);
    loop.exec();
    return condition();
}

// Waits until a window has gone from the screen.
inline bool WaitForHidden(const QWidget& widget)
{
    return WaitFor([&] { return !widget.isVisible(); }, 5000);
}
