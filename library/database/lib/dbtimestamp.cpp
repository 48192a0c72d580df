#include "dbtimestamp.h"

#include "qorvassert.h"

#include <ace/Log_Msg.h>
#include <boost/date_time/c_local_time_adjustor.hpp>
#include <boost/date_time/local_time/local_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>

#include <cstdint>
#include <cstring>
#include <limits>
#include <locale>
#include <map>
#include <sstream>
#include <stdexcept>

namespace
{
using boost::gregorian::date;
using boost::posix_time::ptime;

// The fraction is cut, never rounded, to the microseconds that we keep.
constexpr std::size_t MicrosecondDigits = 6;

// Every text form that a date column has ever been written in: optional
// quotes, optional separators, an optional time with up to twelve fractional
// digits and an optional "Z". Read by hand rather than by a regular
// expression: search results and message lists read one or two of these per
// row, and a regular expression match costs more than the rest of the row.
class TimestampText
{
public:
    explicit TimestampText(const std::string &text)
        : m_text(text)
    {
    }

    // The text in the basic ISO form the date library reads
    // ("YYYYMMDDTHHMMSS[.ffffff]"), or empty when the text is not one of the
    // forms above.
    std::string toIsoBasic()
    {
        skipIf("'");
        std::string iso;
        if (!takeDigits(4, iso) || !(skipIf("-"), takeDigits(2, iso)) || !(skipIf("-"), takeDigits(2, iso)))
            return std::string();
        iso += 'T';
        skipIf("Tt-| ");
        if (atDigit()) {
            if (!takeDigits(2, iso) || !(skipIf(":|."), takeDigits(2, iso)) || !(skipIf(":|."), takeDigits(2, iso)))
                return std::string();
            if (!takeFraction(iso))
                return std::string();
            skipIf("Zz|");
        } else {
            iso += "000000";
        }
        skipIf("'");
        return m_position == m_text.size() ? iso : std::string();
    }

private:
    bool atDigit() const
    {
        return m_position < m_text.size() && m_text[m_position] >= '0' && m_text[m_position] <= '9';
    }

    void skipIf(const char *oneOf)
    {
        if (m_position < m_text.size() && std::strchr(oneOf, m_text[m_position]) != nullptr
            && m_text[m_position] != '\0')
            ++m_position;
    }

    bool takeDigits(std::size_t count, std::string &into)
    {
        for (std::size_t i = 0; i < count; ++i) {
            if (!atDigit())
                return false;
            into += m_text[m_position++];
        }
        return true;
    }

    // A point and one to twelve digits, of which the microseconds are kept;
    // a point with no digit after it, or more than twelve, is no timestamp.
    bool takeFraction(std::string &into)
    {
        if (m_position >= m_text.size() || m_text[m_position] != '.')
            return true;
        std::size_t digits = 0;
        std::string fraction;
        ++m_position;
        while (atDigit()) {
            if (digits < MicrosecondDigits)
                fraction += m_text[m_position];
            ++digits;
            ++m_position;
        }
        if (digits == 0 || digits > MaxFractionDigits)
            return false;
        into += '.';
        into += fraction;
        return true;
    }

    static constexpr std::size_t MaxFractionDigits = 12;

    const std::string &m_text;
    std::size_t m_position = 0;
};

const char *const DbFormat = "%Y-%m-%d %H:%M:%S%F";
const char *const DisplayFormat = "%Y-%m-%d %H:%M:%S%F%Q";
const char *const RfcFormat = "%Y-%m-%d %H:%M:%S";

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

// The locale that writes a format is made once per thread and format: making
// a facet costs more than writing the text, and lists write one per row.
const std::locale &FormatLocale(const char *format)
{
    thread_local std::map<const char *, std::locale> locales;
    auto found = locales.find(format);
    if (found == locales.end())
        found = locales.emplace(format, std::locale(std::locale::classic(), new boost::posix_time::time_facet(format)))
                    .first;
    return found->second;
}

std::string Write(const ptime &time, const char *format)
{
    std::ostringstream stream;
    stream.imbue(FormatLocale(format));
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
    const std::string iso = TimestampText(text).toIsoBasic();
    if (iso.empty())
        return;

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
