#include "sessionduration.h"

#include "clock.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QString>

namespace sessionduration
{
namespace
{
constexpr std::chrono::microseconds OneHour = std::chrono::hours(1);

long long Hours(std::chrono::microseconds duration)
{
    return duration.count() / OneHour.count();
}

long long MinutesWithinHour(std::chrono::microseconds duration)
{
    return (duration.count() / std::chrono::microseconds(std::chrono::minutes(1)).count()) % 60;
}
}
}

SessionDuration::SessionDuration(QMainWindow *window)
    : m_window(window)
    , m_label(new QLabel(window))
{
    m_window->statusBar()->addPermanentWidget(m_label, 0);
}

SessionDuration::~SessionDuration() = default;

void SessionDuration::initializeStatus(unsigned seconds)
{
    if (seconds == 0) {
        reset();
        return;
    }
    const std::chrono::microseconds duration = std::chrono::seconds(seconds);
    m_end = now() + duration;
    show(duration);
}

void SessionDuration::updateStatus()
{
    if (!m_end)
        return;
    show(*m_end - now());
}

void SessionDuration::timeoutEventHandler(int, const std::string &)
{
    if (!m_end)
        return;
    const std::chrono::microseconds left = *m_end - now();
    if (left < sessionduration::OneHour && sessionduration::MinutesWithinHour(left) <= 0) {
        // The window may refuse (an editor asking to save); the countdown stays
        // on, so the next tick asks again.
        m_window->close();
        return;
    }
    show(left);
}

void SessionDuration::reset()
{
    m_end.reset();
    m_label->clear();
}

SessionDuration::TimePoint SessionDuration::now()
{
    return std::chrono::floor<std::chrono::seconds>(Clock::now());
}

void SessionDuration::show(std::chrono::microseconds left)
{
    // A session whose end has passed shows no time left rather than a negative
    // count.
    if (left.count() < 0)
        left = std::chrono::microseconds(0);
    m_label->setText(QStringLiteral("Session Duration [%1:%2]")
                         .arg(sessionduration::Hours(left), 2, 10, QLatin1Char('0'))
                         .arg(sessionduration::MinutesWithinHour(left), 2, 10, QLatin1Char('0')));
    m_label->setStyleSheet(left < sessionduration::OneHour ? QStringLiteral("QLabel { color : red}")
                                                           : QStringLiteral("QLabel { color : gray}"));
}
