#ifndef SIGNALRELAY_H
#define SIGNALRELAY_H

#include <QObject>

// Ends the process with status 1 when SIGINT or SIGTERM arrives, after logging
// which of the two it was.
//
// A signal can land anywhere, also inside the logger or the allocator, so the
// handler itself only wakes the event loop through a pipe; the loop then logs
// and exits like any other code. When the loop cannot get to it in time,
// because the one thread is blocked in a server exchange that has no time-out,
// an alarm finishes the job from signal context with nothing but calls that
// are safe there.
class SignalRelay : public QObject
{
    Q_OBJECT

public:
    // Prepares the pipe; call before the handler is installed.
    static bool open();
    // Called from the signal handler.
    static void post(int signal) noexcept;

    // Starts watching the pipe on the event loop of the calling thread.
    explicit SignalRelay(QObject *parent = nullptr);

private slots:
    void handlePosted();
};

#endif // SIGNALRELAY_H
