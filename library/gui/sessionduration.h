#ifndef SESSIONDURATION_H
#define SESSIONDURATION_H

#include <chrono>
#include <optional>
#include <string>

class QLabel;
class QMainWindow;

// Enforces a key's session length on one window: shows the time left in the
// window's status bar, refreshes it on every clock tick, and closes the window
// once less than a minute is left.
class SessionDuration
{
public:
    using TimePoint = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;

    explicit SessionDuration(QMainWindow *window);
    virtual ~SessionDuration();
    SessionDuration(const SessionDuration &) = delete;
    SessionDuration &operator=(const SessionDuration &) = delete;

    // Starts (or restarts) a countdown of seconds; 0 stops it.
    void initializeStatus(unsigned seconds);
    void updateStatus();
    // One tick of the minute clock; both arguments are ignored.
    void timeoutEventHandler(int code, const std::string &text);
    void reset();

private:
    // Now, read from the program's clock at the one-second resolution that the
    // session ends are counted in.
    static TimePoint now();
    void show(std::chrono::microseconds left);

    QMainWindow *m_window;
    QLabel *m_label;
    std::optional<TimePoint> m_end;
};

#endif // SESSIONDURATION_H
