#include "keyvalidator.h"

#include "clock.h"
#include "documentkeyreader.h"
#include "folderkeyreader.h"

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/date_time/local_time/local_date_time.hpp>
#include <boost/date_time/local_time/local_time_types.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <cstring>
#include <ctime>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace
{
using boost::gregorian::date;
using boost::local_time::local_date_time;
using boost::local_time::time_zone_ptr;
using boost::posix_time::ptime;
using boost::posix_time::time_duration;

// Each reads the clock afresh; false when the C library cannot convert it.
bool LocalNow(std::tm &parts)
{
    const std::time_t now = Clock::nowTimeT();
    return nullptr != localtime_r(&now, &parts);
}

bool UtcNow(std::tm &parts)
{
    const std::time_t now = Clock::nowTimeT();
    return nullptr != gmtime_r(&now, &parts);
}

bool Digits(const std::string &text, std::size_t maximumLength)
{
    if (text.empty() || text.size() > maximumLength)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "hh:mm:ss" with an optional fraction after a point, as the key wizards
// write it; digits past the microsecond are dropped.
std::optional<time_duration> ParseTimeOfDay(const std::string &text)
{
    if (text.size() < 8 || ':' != text[2] || ':' != text[5])
        return std::nullopt;
    const std::string hours = text.substr(0, 2);
    const std::string minutes = text.substr(3, 2);
    const std::string seconds = text.substr(6, 2);
    std::string fraction;
    if (text.size() > 8) {
        fraction = text.substr(9);
        if ('.' != text[8] || !Digits(fraction, std::string::npos))
            return std::nullopt;
    }
    if (!Digits(hours, 2) || !Digits(minutes, 2) || !Digits(seconds, 2))
        return std::nullopt;
    const int h = std::stoi(hours);
    const int m = std::stoi(minutes);
    const int s = std::stoi(seconds);
    if (h > 23 || m > 59 || s > 59)
        return std::nullopt;
    fraction = fraction.substr(0, 6);
    fraction.append(6 - fraction.size(), '0');
    return boost::posix_time::hours(h) + boost::posix_time::minutes(m) + boost::posix_time::seconds(s)
           + boost::posix_time::microseconds(std::stol(fraction));
}

// The date part of a timestamp text: year, month and day as its first three
// fields, separated by any of "-./," or blanks; the rest (the time of day) is
// not looked at.
std::optional<date> ParseDatePart(const std::string &text)
{
    static const char *const Separators = "-./, ";
    std::vector<std::string> fields;
    std::string field;
    for (const char c : text) {
        if ('\0' != c && nullptr != std::strchr(Separators, c)) {
            if (!field.empty())
                fields.push_back(field);
            field.clear();
            if (3 == fields.size())
                break;
        } else {
            field += c;
        }
    }
    if (fields.size() < 3 && !field.empty())
        fields.push_back(field);
    if (fields.size() < 3 || !Digits(fields[0], 4) || !Digits(fields[1], 2) || !Digits(fields[2], 2))
        return std::nullopt;
    try {
        return date(std::stoi(fields[0]), std::stoi(fields[1]), std::stoi(fields[2]));
    } catch (const std::exception &) {
        // Outside 1400 to 9999, or no such day.
        return std::nullopt;
    }
}

// Whether now lies outside the key's daily hours, both ends included, in the
// wall clock of its region (UTC when the table lacks the region). Equal
// bounds, or no region, mean the key has no daily hours.
bool OutsideActiveHours(const std::string &from, const std::string &to, const std::string &region,
                        const boost::local_time::tz_database &zoneTable)
{
    if (from == to || region.empty())
        return false;
    const std::optional<time_duration> fromTime = ParseTimeOfDay(from);
    const std::optional<time_duration> toTime = ParseTimeOfDay(to);
    std::tm utc{};
    if (!fromTime || !toTime || !UtcNow(utc))
        return true;
    try {
        const ptime utcNow(date(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday),
                           time_duration(utc.tm_hour, utc.tm_min, utc.tm_sec));
        const time_zone_ptr zone = zoneTable.time_zone_from_region(region);
        const local_date_time now(utcNow, zone);
        const ptime wallNow = now.local_time();
        const date today = wallNow.date();

        // A start that the region's clock skips or repeats today cannot be
        // placed, so the key stays shut all day.
        const local_date_time start(today, *fromTime, zone, local_date_time::NOT_DATE_TIME_ON_ERROR);
        if (start.is_not_a_date_time() || now < start)
            return true;

        const local_date_time end(today, *toTime, zone, local_date_time::NOT_DATE_TIME_ON_ERROR);
        if (end.is_not_a_date_time()) {
            // An end the clock skips (or repeats) today is still an end: once
            // the wall clock shows a later time, the hours are over.
            return wallNow > ptime(today, *toTime);
        }
        return end < now;
    } catch (const std::exception &) {
        // The clock shows a date outside the calendar of the date library.
        return true;
    }
}

// A key expires at the start of its expiration date in UTC.
bool Expired(const std::string &expirationDate)
{
    const std::optional<date> expiration = ParseDatePart(expirationDate);
    std::tm utc{};
    if (!expiration || !UtcNow(utc))
        return true;
    try {
        return *expiration <= date(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday);
    } catch (const std::exception &) {
        return true;
    }
}
}

template <typename Reader>
KeyValidator<Reader>::KeyValidator(const Reader &reader, const ZoneTable &zoneTable)
    : m_flags(0)
    , m_zoneTable(zoneTable)
{
    using Active = typename Reader::Active;

    if (!reader.active(Reader::ActiveStatus))
        m_flags |= KeyNotActive;

    std::tm local{};
    if (LocalNow(local)) {
        if (!reader.active(static_cast<Active>(Reader::ActiveDuringJanuary + local.tm_mon)))
            m_flags |= KeyNotActiveMonth;
        if (!reader.active(static_cast<Active>(Reader::ActiveOnSunday + local.tm_wday)))
            m_flags |= KeyNotActiveDay;
    } else {
        // Without today's date neither can be confirmed.
        m_flags |= KeyNotActiveMonth | KeyNotActiveDay;
    }

    if (OutsideActiveHours(reader.activeFrom(), reader.activeTo(), reader.activeRegion(), m_zoneTable))
        m_flags |= KeyNotActiveNow;

    if (Expired(reader.expirationDate()))
        m_flags |= KeyHasExpired;
}

template <typename Reader>
KeyValidator<Reader>::~KeyValidator() = default;

template <typename Reader>
std::uint64_t KeyValidator<Reader>::getFlags() const
{
    return m_flags;
}

template <typename Reader>
void KeyValidator<Reader>::addFlags(std::uint64_t flags)
{
    m_flags |= flags;
}

template class KeyValidator<DocumentKeyReader>;
template class KeyValidator<FolderKeyReader>;
