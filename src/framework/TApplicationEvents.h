#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <stdexcept>

// The application-events hub: a window component through which every exception that
// escapes an event handler reaches the window's handler. The application object and the
// browser callbacks hand such exceptions to HandleException.
class TApplicationEvents : public QObject {
    Q_OBJECT
public:
    explicit TApplicationEvents(QObject* parent = nullptr);
    ~TApplicationEvents() override;

    // Delivers the exception to the newest hub's OnException; with no hub, its message goes
    // to standard error as one line.
    static void HandleException(const std::exception& error);
    // The message text of any exception: our own carry it exactly.
    static QString ExceptionMessage(const std::exception& error);
    // Runs an action and hands anything it throws to HandleException.
    template <class Action>
    static void Guard(Action&& action) noexcept;

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
