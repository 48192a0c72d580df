#ifndef QORVTIME_H
#define QORVTIME_H

// Named apart from the class so that it never stands in for the C library's
// <time.h> on the include path.

#include <boost/date_time/local_time/local_date_time.hpp>
#include <boost/date_time/posix_time/posix_time_duration.hpp>

#include <string>

class TimeZone;

// A time of day on the machine's current local date, read as wall-clock time
// in a zone: one end of a key's active hours. A wall-clock time that the zone
// skips or repeats on that date has no instant (not-a-date-time), and every
// text written from it reads "not-a-date-time".
//
// The zone is held by reference: the caller keeps it alive as long as the Time.
class Time
{
public:
    // When any part is negative, the time of day is minus the sum of their
    // absolute values.
    Time(int hours, int minutes, int seconds, const TimeZone &zone);
    // "hh:mm:ss" with an optional fraction and an optional leading minus; any
    // other text raises the date library's exception.
    Time(const std::string &time, const TimeZone &zone);

    boost::posix_time::time_duration getTimeDuration() const;
    const TimeZone &getTimeZone() const;

    std::string getUniversalTime() const;
    std::string getLocalTime() const;
    std::string getLocalTime(const TimeZone &other) const;

    // The unsigned length between the two wall-clock times, "09:00".
    std::string operator-(const Time &other) const;
    // Only the times of day are compared.
    bool operator==(const Time &other) const;
    bool operator!=(const Time &other) const;

private:
    void locate();

    boost::posix_time::time_duration m_timeOfDay;
    const TimeZone &m_timeZone;
    boost::gregorian::date m_date;
    boost::posix_time::ptime m_localDateTime;
    boost::local_time::local_date_time m_zonedDateTime;
};

#endif // QORVTIME_H
