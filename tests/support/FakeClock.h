#pragma once

#include "platform/Clock.h"

#include <QPointer>
#include <algorithm>
#include <vector>

// A clock that moves only when a test says so. It records every pause it is asked for and
// runs the actions that fall due as Advance passes their time, earliest first.
class FakeClock : public Clock {
public:
    qint64 NowMs() override { return now; }
    void After(std::chrono::milliseconds delay, QObject* context, std::function<void()> action) override
    {
        pauses.push_back(delay.count());
        pending_.push_back({now + delay.count(), order_++, context, std::move(action)});
    }

    // Moves the time on by Ms, running every action that falls due on the way.
    void Advance(qint64 ms)
    {
        const qint64 target = now + ms;
        for (;;) {
            const auto due = std::min_element(pending_.begin(), pending_.end(), [](const Pending& a, const Pending& b) {
                return a.at != b.at ? a.at < b.at : a.order < b.order;
            });
            if (due == pending_.end() || due->at > target)
                break;
            Pending next = std::move(*due);
            pending_.erase(due);
            now = next.at;
            if (next.context)
                next.action();
        }
        now = target;
    }
    // Pauses asked for and not yet run out.
    int Waiting() const { return int(pending_.size()); }

    qint64 now = 0;
    std::vector<qint64> pauses;

private:
    struct Pending {
        qint64 at;
        int order;
        QPointer<QObject> context;
        std::function<void()> action;
    };
    std::vector<Pending> pending_;
    int order_ = 0;
};
