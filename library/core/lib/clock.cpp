#include "clock.h"

Clock::TimePoint Clock::now()
{
    const std::optional<TimePoint> &pinned = fixed();
    return pinned ? *pinned : std::chrono::system_clock::now();
}

std::time_t Clock::nowTimeT()
{
    return std::chrono::system_clock::to_time_t(now());
}

std::tm Clock::nowUtc()
{
    const std::time_t t = nowTimeT();
    std::tm result{};
    gmtime_r(&t, &result);
    return result;
}

std::tm Clock::nowLocal()
{
    const std::time_t t = nowTimeT();
    std::tm result{};
    localtime_r(&t, &result);
    return result;
}

void Clock::setFixed(TimePoint instant)
{
    fixed() = instant;
}

void Clock::reset()
{
    fixed().reset();
}

std::optional<Clock::TimePoint> &Clock::fixed()
{
    // Single GUI thread: no lock needed.
    static std::optional<TimePoint> pinned;
    return pinned;
}
