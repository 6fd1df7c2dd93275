#include "platform/TerminationSignals.h"


#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's write end for the handler; -1 while no instance exists.
volatile sig_atomic_t writeEnd = -1;

extern "C" void NoteSignal(int signalNumber)
{
    const int saved = errno;
    const auto number = static_cast<unsigned char>(signalNumber);
    if (writeEnd >= 0)
        [[maybe_unused]] const ssize_t written = write(writeEnd, &number, 1);
    errno = saved;
}

void HandleWith(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals)
        sigaction(signalNumber, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals()
{
    // Without a pipe the signals keep their default effect: the process ends at once.
    if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::fprintf(stderr, "Termination signals end the client at once: %s\n", std::strerror(errno));
        return;
    }
    writeEnd = pipe_[1];
    HandleWith(NoteSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (pipe_[0] < 0)
        return;
    HandleWith(SIG_DFL);
    writeEnd = -1;
    notifier_.reset();
    close(pipe_[0]);
    close(pipe_[1]);
}

void TerminationSignals::Watch(QObject* context, std::function<void(int)> onRequest)
{
    if (pipe_[0] < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, context,
                     [readEnd = pipe_[0], onRequest = std::move(onRequest)] {
                         unsigned char numbers[16];
                         ssize_t count;
                         while ((count = read(readEnd, numbers, sizeof numbers)) > 0)
                             for (ssize_t i = 0; i < count; ++i)
                                 onRequest(numbers[i]);
                     });
}
