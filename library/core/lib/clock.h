#ifndef CLOCK_H
#define CLOCK_H

#include <chrono>
#include <ctime>
#include <optional>

// The one place where the program reads "now". Everything that depends on the
// current time (frame headers, key validity, timestamps, countdowns) asks this
// clock, so tests can pin the time instead of waiting for it.
class Clock
{
public:
    using TimePoint = std::chrono::system_clock::time_point;

    static TimePoint now();
    static std::time_t nowTimeT();

    // The broken-down current time, in UTC and in the machine's local zone (TZ).
    static std::tm nowUtc();
    static std::tm nowLocal();

    // Pins the clock to a fixed instant until reset() (test use).
    static void setFixed(TimePoint instant);
    static void reset();

private:
    static std::optional<TimePoint> &fixed();
};

#endif // CLOCK_H
