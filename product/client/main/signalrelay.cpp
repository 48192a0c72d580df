#include "signalrelay.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <csignal>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace signalrelay
{
// Seconds the event loop has to act on a signal before the alarm does.
constexpr unsigned GraceSeconds = 2;

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t pendingSignal = 0;
volatile std::sig_atomic_t reported = 0;

const char *MessageFor(int signal) noexcept
{
    return signal == SIGINT ? "Quillane Client received SIGINT signal!" : "Quillane Client received SIGTERM signal!";
}

// Signal context: write(2) and _exit(2) only. The line has the form the
// message logger gives a critical message on the standard error stream.
void FinishInSignalContext(int) noexcept
{
    if (!reported) {
        reported = 1;
        const char *message = MessageFor(pendingSignal);
        ssize_t ignored = ::write(STDERR_FILENO, message, std::strlen(message));
        ignored = ::write(STDERR_FILENO, "\n", 1);
        static_cast<void>(ignored);
    }
    ::_exit(1);
}

bool MakeNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags != -1 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != -1 && ::fcntl(fd, F_SETFD, FD_CLOEXEC) != -1;
}
}

bool SignalRelay::open()
{
    using namespace signalrelay;
    int ends[2];
    if (::pipe(ends) != 0)
        return false;
    if (!MakeNonBlocking(ends[0]) || !MakeNonBlocking(ends[1])) {
        ::close(ends[0]);
        ::close(ends[1]);
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = FinishInSignalContext;
    sigemptyset(&action.sa_mask);
    if (::sigaction(SIGALRM, &action, nullptr) != 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        return false;
    }
    pipeEnds[0] = ends[0];
    pipeEnds[1] = ends[1];
    return true;
}

void SignalRelay::post(int signal) noexcept
{
    using namespace signalrelay;
    pendingSignal = signal;
    if (pipeEnds[1] < 0)
        FinishInSignalContext(signal);
    const char byte = 1;
    static_cast<void>(::write(pipeEnds[1], &byte, 1));
    ::alarm(GraceSeconds);
}

SignalRelay::SignalRelay(QObject *parent)
    : QObject(parent)
{
    if (signalrelay::pipeEnds[0] < 0)
        return;
    auto *notifier = new QSocketNotifier(signalrelay::pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalRelay::handlePosted);
}

void SignalRelay::handlePosted()
{
    using namespace signalrelay;
    char bytes[16];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) { }
    ::alarm(0);
    reported = 1;
    qCritical("%s", MessageFor(pendingSignal));
    // Exit handlers run (singletons, settings); the frames of the entry point
    // are not unwound.
    std::exit(1);
}
