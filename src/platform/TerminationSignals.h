#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

// Turns the requests to end that the system sends a process (SIGTERM, SIGHUP, SIGINT) into
// calls on the user-interface thread, so the client can close its main window the ordinary
// way instead of dying with its cookies and local storage unwritten. The signal handlers only
// write the signal's number into a pipe. They are on from construction, before there is
// anything to close: a request that comes early waits in the pipe until Watch. One instance
// at a time; its end restores the default handling.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // From the next turn of context's thread's event loop, calls onRequest with the signal's
    // number for every request, those that came before included.
    void Watch(QObject* context, std::function<void(int)> onRequest);

private:
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};
