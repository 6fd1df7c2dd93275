#include "framework/FirstFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

void FirstFrame::Then(QWidget* window, std::function<void()> action)
{
    new FirstFrame(window, std::move(action));
}

FirstFrame::FirstFrame(QWidget* window, std::function<void()> action)
    : QObject(window), window_(window), action_(std::move(action))
{
    // The native window exists from the widget's first show on.
    window_->installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Show && !handle_) {
        handle_ = window_->windowHandle();
        if (handle_)
            handle_->installEventFilter(this);
    } else if (watched == handle_ && event->type() == QEvent::Expose && handle_->isExposed()) {
        window_->removeEventFilter(this);
        handle_->removeEventFilter(this);
        // The expose is painted when this filter returns; the action waits for the next turn.
        QMetaObject::invokeMethod(this, &FirstFrame::Run, Qt::QueuedConnection);
    }
    return false;
}

void FirstFrame::Run()
{
    deleteLater();
    action_();
}
