#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <stdexcept>
#include <utility>

// The application-events hub: a window component through which every exception that
// escapes an event handler reaches the window's handler. Every place where a component calls
// a handler (its signals, its hooks) runs it through Guard, so nothing a handler raises
// unwinds through Qt's own frames; the application object's notify is only the last net.
class TApplicationEvents : public QObject {
    Q_OBJECT
public:
    explicit TApplicationEvents(QObject* parent = nullptr);
    ~TApplicationEvents() override;

    // Delivers the exception to the newest hub's OnException; with no hub, or when that
    // handler raises in turn, the message goes to standard error as one line.
    static void HandleException(const std::exception& error);
    // The message text of any exception: our own carry it exactly.
    static QString ExceptionMessage(const std::exception& error);
    // Runs an action and hands anything it throws to HandleException.
    template <class Action>
    static void Guard(Action&& action) noexcept;
    // Calls a hook (an event that vetoes, answers or draws) when its owner has set one, through
    // Guard. Returns whether a hook was set.
    template <class Hook, class... Args>
    static bool CallHook(const Hook& hook, Args&&... args) noexcept;

Q_SIGNALS:
    void OnException(QObject* Sender, const std::exception& E);
};

template <class Action>
void TApplicationEvents::Guard(Action&& action) noexcept
{
    try {
        action();
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(std::runtime_error("Unknown exception"));
    }
}

template <class Hook, class... Args>
bool TApplicationEvents::CallHook(const Hook& hook, Args&&... args) noexcept
{
    if (!hook)
        return false;
    Guard([&] { hook(std::forward<Args>(args)...); });
    return true;
}
