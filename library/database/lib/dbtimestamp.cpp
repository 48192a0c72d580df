#include "dbtimestamp.h"

#include "qorvassert.h"

#include <ace/Log_Msg.h>
#include <boost/date_time/c_local_time_adjustor.hpp>
#include <boost/date_time/local_time/local_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>

#include <cstdint>
#include <limits>
#include <locale>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace
{
using boost::gregorian::date;
using boost::posix_time::ptime;

// Every text form that a date column has ever been written in: optional
// quotes, optional separators, an optional time with up to twelve fractional
// digits and an optional "Z". Compiled at the first parse, not while the
// program loads, and shared by every parse after it.
const std::regex &TimestampFormat()
{
    static const std::regex format(R"('?(\d{4})-?(\d{2})-?(\d{2})(?:[T|t|\-| ])?)"
                                   R"((?:(\d{2})[:|\.]?(\d{2})[:|\.]?(\d{2})(?:\.(\d{1,12}))?[Z|z]?)?'?)");
    return format;
}

const char *const DbFormat = "%Y-%m-%d %H:%M:%S%F";
const char *const DisplayFormat = "%Y-%m-%d %H:%M:%S%F%Q";
const char *const RfcFormat = "%Y-%m-%d %H:%M:%S";

// The fraction is cut, never rounded, to the microseconds that we keep.
constexpr std::size_t MicrosecondDigits = 6;

const boost::posix_time::time_duration OneDay = boost::posix_time::hours(24);

// Midnight of the first and of the last valid date.
const ptime &FirstInstant()
{
    static const ptime first(date(1400, 1, 1));
    return first;
}

const ptime &LastDay()
{
    static const ptime last(date(9999, 12, 31));
    return last;
}

// 10000-01-01 00:00:00, which the date library cannot build as a date.
ptime EndInstant()
{
    return LastDay() + OneDay;
}

// Years outside 1400 to 9999 cannot even be written by the date library;
// asking such a time for its date raises, so only whole times are compared.
bool InWritableRange(const ptime &time)
{
    return !time.is_special() && time >= FirstInstant() && time < EndInstant();
}

bool OnDay(const ptime &time, const ptime &midnight)
{
    return !time.is_special() && time >= midnight && time < midnight + OneDay;
}

std::string Write(const ptime &time, const char *format)
{
    std::ostringstream stream;
    stream.imbue(std::locale(std::locale::classic(), new boost::posix_time::time_facet(format)));
    stream << time;
    return stream.str();
}

// A microsecond count that orders times as the date library's own count does:
// not-a-date-time lies just below positive infinity, above every real time.
std::int64_t Count(const ptime &time)
{
    if (time.is_not_a_date_time())
        return std::numeric_limits<std::int64_t>::max() - 1;
    if (time.is_pos_infinity())
        return std::numeric_limits<std::int64_t>::max();
    if (time.is_neg_infinity())
        return std::numeric_limits<std::int64_t>::min();
    // Measured from a fixed instant: the same order as the library's own count,
    // without asking for a date that may lie beyond 9999.
    return (time - FirstInstant()).total_microseconds();
}
}

DbTimestamp::DbTimestamp(const boost::posix_time::ptime &time)
    : m_time(time)
{
    QORV_ASSERT(!time.is_not_a_date_time());
}

DbTimestamp::DbTimestamp(const std::string &text)
    : m_time(boost::posix_time::not_a_date_time)
{
    std::smatch match;
    if (!std::regex_match(text, match, TimestampFormat()))
        return;

    std::string iso = match[1].str() + match[2].str() + match[3].str() + "T";
    if (match[4].matched) {
        iso += match[4].str() + match[5].str() + match[6].str();
        if (match[7].matched)
            iso += "." + match[7].str().substr(0, MicrosecondDigits);
    } else {
        iso += "000000";
    }

    // The time fields are counts added to midnight, so 24:00:00 is the next
    // day; only the calendar date is checked.
    try {
        m_time = boost::posix_time::from_iso_string(iso);
    } catch (const std::out_of_range &error) {
        ACE_DEBUG((LM_WARNING, ACE_TEXT("PosixTimeDefaultValue: %s\n"), error.what()));
    }
}

bool DbTimestamp::isValid() const
{
    return InWritableRange(m_time);
}

bool DbTimestamp::isMinTimestamp() const
{
    return OnDay(m_time, FirstInstant());
}

bool DbTimestamp::isMaxTimestamp() const
{
    return OnDay(m_time, LastDay());
}

boost::posix_time::ptime DbTimestamp::toPosixTime() const
{
    return isValid() ? m_time : ptime(boost::posix_time::not_a_date_time);
}

boost::posix_time::ptime DbTimestamp::toLocalPosixTime() const
{
    QORV_ASSERT(isValid());
    if (!isValid())
        return ptime(boost::posix_time::not_a_date_time);
    // The C library converts from 1970 on only; what it cannot convert has no
    // local time rather than an exception in the middle of a window update.
    try {
        const ptime local = boost::date_time::c_local_adjustor<ptime>::utc_to_local(m_time);
        return InWritableRange(local) ? local : ptime(boost::posix_time::not_a_date_time);
    } catch (const std::out_of_range &) {
    } catch (const std::runtime_error &) {
    }
    return ptime(boost::posix_time::not_a_date_time);
}

boost::local_time::local_date_time DbTimestamp::toLocalDateTime(const TimeZonePtr &zone) const
{
    QORV_ASSERT(zone);
    return boost::local_time::local_date_time(m_time, zone);
}

std::string DbTimestamp::toDbString() const
{
    return isValid() ? Write(m_time, DbFormat) : std::string();
}

std::string DbTimestamp::toDisplayString() const
{
    return isValid() ? Write(m_time, DisplayFormat) : std::string();
}

std::string DbTimestamp::toRfcString() const
{
    return isValid() ? Write(m_time, RfcFormat) : std::string();
}

std::string DbTimestamp::toIsoExtendedString() const
{
    return isValid() ? boost::posix_time::to_iso_extended_string(m_time) + "Z" : std::string();
}

std::string DbTimestamp::toIsoString() const
{
    return isValid() ? boost::posix_time::to_iso_string(m_time) + "Z" : std::string();
}

std::string DbTimestamp::toSimpleString() const
{
    return isValid() ? boost::posix_time::to_simple_string(m_time) : std::string();
}

std::string DbTimestamp::toLocalDbString(const TimeZonePtr &zone) const
{
    const ptime local = localTime(zone);
    return local.is_special() ? std::string() : Write(local, DbFormat);
}

std::string DbTimestamp::toLocalDisplayString(const TimeZonePtr &zone) const
{
    const ptime local = localTime(zone);
    return local.is_special() ? std::string() : Write(local, DisplayFormat);
}

std::string DbTimestamp::toLocalRfcString(const TimeZonePtr &zone) const
{
    const ptime local = localTime(zone);
    return local.is_special() ? std::string() : Write(local, RfcFormat);
}

std::string DbTimestamp::toLocalIsoString(const TimeZonePtr &zone) const
{
    const ptime local = localTime(zone);
    return local.is_special() ? std::string() : boost::posix_time::to_iso_string(local);
}

std::string DbTimestamp::toLocalIsoExtendedString(const TimeZonePtr &zone) const
{
    const ptime local = localTime(zone);
    return local.is_special() ? std::string() : boost::posix_time::to_iso_extended_string(local);
}

std::string DbTimestamp::toLocalSimpleString(const TimeZonePtr &zone) const
{
    const ptime local = localTime(zone);
    return local.is_special() ? std::string() : boost::posix_time::to_simple_string(local);
}

std::string DbTimestamp::toLocalRfcStringExcMinMax(const TimeZonePtr &zone) const
{
    if (isMinTimestamp() || isMaxTimestamp())
        return std::string();
    return toLocalRfcString(zone);
}

boost::posix_time::ptime DbTimestamp::localTime(const TimeZonePtr &zone) const
{
    if (!isValid())
        return ptime(boost::posix_time::not_a_date_time);
    if (!zone)
        return toLocalPosixTime();
    // The wall-clock time of the sentinels may lie outside the years that the
    // date library computes daylight saving for.
    try {
        const boost::local_time::local_date_time zoned = toLocalDateTime(zone);
        if (!zoned.is_special()) {
            const ptime local = zoned.local_time();
            if (InWritableRange(local))
                return local;
        }
    } catch (const std::out_of_range &) {
    }
    return ptime(boost::posix_time::not_a_date_time);
}

bool operator==(const DbTimestamp &left, const DbTimestamp &right)
{
    return Count(left.m_time) == Count(right.m_time);
}

bool operator!=(const DbTimestamp &left, const DbTimestamp &right)
{
    return !(left == right);
}

bool operator<(const DbTimestamp &left, const DbTimestamp &right)
{
    return Count(left.m_time) < Count(right.m_time);
}

bool operator<=(const DbTimestamp &left, const DbTimestamp &right)
{
    return left < right || left == right;
}

bool operator>(const DbTimestamp &left, const DbTimestamp &right)
{
    return !(left <= right);
}

bool operator>=(const DbTimestamp &left, const DbTimestamp &right)
{
    return !(left < right);
}
