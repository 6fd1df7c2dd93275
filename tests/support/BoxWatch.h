#pragma once

#include "dialogs/TDialogForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

// Acts for the player on the client's boxes as they come. A box that waits for its answer runs
// the event loop of its own until then, under whatever the test was doing; the watch looks for
// a newly shown box on every turn of whichever loop runs, and hands it to the next action
// queued. A box for which none is queued within UnexpectedMs is a failure: it is closed as by
// its Cancel, so that the test goes on. Every box seen is counted.
class BoxWatch {
public:
    using Action = std::function<void(TDialogForm& box)>;
    static constexpr qint64 UnexpectedMs = 10000;

    BoxWatch()
    {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Look(); });
        poll_.start();
    }

    void Then(Action action) { actions_.push_back(std::move(action)); }
    int Seen() const { return seen_; }
    // The box shown now and not yet answered; null for none.
    TDialogForm* Waiting() const { return waiting_; }

private:
    void Look()
    {
        if (!waiting_ || !waiting_->isVisible()) {
            waiting_ = nullptr;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<TDialogForm*>(window);
                if (box && box->isVisible() && !answered_.contains(box)) {
                    waiting_ = box;
                    ++seen_;
                    since_.start();
                    break;
                }
            }
        }
        if (!waiting_ || running_)
            return;
        if (actions_.empty()) {
            if (since_.hasExpired(UnexpectedMs)) {
                ADD_FAILURE() << "a box nobody expected: " << waiting_->windowTitle().toStdString();
                answered_.append(waiting_);
                waiting_->reject();
            }
            return;
        }
        running_ = true;
        const QPointer<TDialogForm> box = waiting_;
        answered_.append(box);
        const Action action = std::move(actions_.front());
        actions_.pop_front();
        action(*box);
        running_ = false;
    }

    QTimer poll_;
    std::deque<Action> actions_;
    QList<QPointer<TDialogForm>> answered_;
    QPointer<TDialogForm> waiting_;
    QElapsedTimer since_;
    int seen_ = 0;
    bool running_ = false;
};
