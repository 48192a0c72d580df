#include "scopedclock.h"

#include <ctime>

namespace testsupport
{
Clock::TimePoint UtcInstant(int year, int month, int day, int hour, int minute, int second)
{
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    return std::chrono::system_clock::from_time_t(timegm(&parts));
}
}
