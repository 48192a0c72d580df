#ifndef SCOPEDCLOCK_H
#define SCOPEDCLOCK_H

#include "clock.h"

namespace testsupport
{
// Pins the program's clock for the lifetime of the object.
class ScopedClock
{
public:
    explicit ScopedClock(Clock::TimePoint instant) { Clock::setFixed(instant); }
    ~ScopedClock() { Clock::reset(); }
    ScopedClock(const ScopedClock &) = delete;
    ScopedClock &operator=(const ScopedClock &) = delete;

    void set(Clock::TimePoint instant) { Clock::setFixed(instant); }
};

// A UTC instant from its calendar parts (no time zone involved).
Clock::TimePoint UtcInstant(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
}

#endif // SCOPEDCLOCK_H
