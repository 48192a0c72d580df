#include "qorvtime.h"

#include "clock.h"
#include "datetimefields.h"
#include "i18n.h"
#include "timezone.h"

#include <boost/date_time/c_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/lexical_cast/bad_lexical_cast.hpp>

#include <cstdlib>
#include <locale>
#include <sstream>

namespace
{
using boost::posix_time::ptime;
using boost::posix_time::time_duration;

time_duration TimeOfDay(int hours, int minutes, int seconds)
{
    const time_duration length = boost::posix_time::hours(std::llabs(hours))
                                 + boost::posix_time::minutes(std::llabs(minutes))
                                 + boost::posix_time::seconds(std::llabs(seconds));
    const bool negative = hours < 0 || minutes < 0 || seconds < 0;
    return negative ? length.invert_sign() : length;
}

boost::gregorian::date LocalToday()
{
    const std::time_t now = Clock::nowTimeT();
    std::tm parts{};
    boost::date_time::c_time::localtime(&now, &parts);
    return boost::gregorian::date(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

std::locale TimeLocale(boost::posix_time::time_facet *facet)
{
    return std::locale(std::locale(i18n::GetLocale()), facet);
}

std::string Write(const ptime &time, const char *format)
{
    std::ostringstream stream;
    stream.imbue(TimeLocale(new boost::posix_time::time_facet(format)));
    stream << time;
    return stream.str();
}

std::string Write(const time_duration &duration, const char *format)
{
    auto *facet = new boost::posix_time::time_facet();
    facet->time_duration_format(format);
    std::ostringstream stream;
    stream.imbue(TimeLocale(facet));
    stream << duration;
    return stream.str();
}

const char *const ClockFormat = "%I:%M %p";

// A text the date library cannot safely read fails as any other unreadable
// text does, with the library's own exception.
boost::posix_time::time_duration ReadTimeOfDay(const std::string &time)
{
    if (!utils::TimeOfDayFieldsFit(time))
        throw boost::bad_lexical_cast();
    return boost::posix_time::duration_from_string(time);
}
}

Time::Time(int hours, int minutes, int seconds, const TimeZone &zone)
    : m_timeOfDay(TimeOfDay(hours, minutes, seconds))
    , m_timeZone(zone)
    , m_zonedDateTime(boost::posix_time::not_a_date_time)
{
    locate();
}

Time::Time(const std::string &time, const TimeZone &zone)
    : m_timeOfDay(ReadTimeOfDay(time))
    , m_timeZone(zone)
    , m_zonedDateTime(boost::posix_time::not_a_date_time)
{
    locate();
}

void Time::locate()
{
    m_date = LocalToday();
    // A time of day past 24 hours, or below zero, moves to another date.
    m_localDateTime = ptime(m_date, m_timeOfDay);
    m_zonedDateTime = boost::local_time::local_date_time(m_localDateTime.date(), m_localDateTime.time_of_day(),
                                                         m_timeZone.getTimeZone(),
                                                         boost::local_time::local_date_time::NOT_DATE_TIME_ON_ERROR);
}

boost::posix_time::time_duration Time::getTimeDuration() const
{
    return m_timeOfDay;
}

const TimeZone &Time::getTimeZone() const
{
    return m_timeZone;
}

std::string Time::getUniversalTime() const
{
    return Write(m_zonedDateTime.utc_time(), "%H:%M:%S");
}

std::string Time::getLocalTime() const
{
    return Write(m_zonedDateTime.local_time(), ClockFormat);
}

std::string Time::getLocalTime(const TimeZone &other) const
{
    if (m_zonedDateTime.is_special())
        return Write(ptime(boost::posix_time::not_a_date_time), ClockFormat);
    const boost::local_time::local_date_time converted(m_zonedDateTime.utc_time(), other.getTimeZone());
    return Write(converted.local_time(), ClockFormat);
}

std::string Time::operator-(const Time &other) const
{
    const time_duration difference = m_localDateTime - other.m_localDateTime;
    return Write(difference.is_negative() ? difference.invert_sign() : difference, "%H:%M");
}

bool Time::operator==(const Time &other) const
{
    return m_timeOfDay == other.m_timeOfDay;
}

bool Time::operator!=(const Time &other) const
{
    return !(*this == other);
}
