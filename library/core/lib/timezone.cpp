#include "timezone.h"

#include "clock.h"
#include "i18n.h"
#include "qorvassert.h"
#include "timezonedatabase.h"

#include <boost/date_time/c_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>

#include <locale>
#include <sstream>

namespace
{
const char *const UtcRegionId = "Atlantic/Reykjavik";

std::string RegionId(TimeZone::Region region)
{
    return region == TimeZone::UtcRegion ? std::string(UtcRegionId)
                                         : TimeZoneDatabase::instance()->getDefaultTimeZoneRegion();
}

boost::gregorian::date Today(bool universal)
{
    const std::time_t now = Clock::nowTimeT();
    std::tm parts{};
    if (universal)
        boost::date_time::c_time::gmtime(&now, &parts);
    else
        boost::date_time::c_time::localtime(&now, &parts);
    return boost::gregorian::date(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

std::string WriteDate(const boost::posix_time::ptime &time)
{
    std::ostringstream stream;
    stream.imbue(std::locale(std::locale(i18n::GetLocale()), new boost::posix_time::time_facet("%m/%d/%y")));
    stream << time;
    return stream.str();
}
}

TimeZone::TimeZone(Region region)
    : TimeZone(RegionId(region))
{
}

TimeZone::TimeZone(const std::string &region)
    : m_region(region)
    , m_timeZone(TimeZoneDatabase::instance()->getTimeZoneDatabase().time_zone_from_region(region))
{
}

const std::string &TimeZone::getRegion() const
{
    return m_region;
}

const TimeZone::TimeZonePtr &TimeZone::getTimeZone() const
{
    return m_timeZone;
}

std::string TimeZone::getTimeZoneStandardAbbrev() const
{
    return knownRegion() ? m_timeZone->std_zone_abbrev() : std::string();
}

std::string TimeZone::getTimeZoneDaylightSavingTimeAbbrev() const
{
    return knownRegion() ? m_timeZone->dst_zone_abbrev() : std::string();
}

bool TimeZone::hasDaylightSavingTime() const
{
    return knownRegion() && m_timeZone->has_dst();
}

std::string TimeZone::getTimeZoneAbbrev() const
{
    if (!hasDaylightSavingTime())
        return getTimeZoneStandardAbbrev();
    const boost::gregorian::date today = Today(true);
    const boost::posix_time::ptime midnight(today);
    const boost::posix_time::ptime start = m_timeZone->dst_local_start_time(today.year());
    const boost::posix_time::ptime end = m_timeZone->dst_local_end_time(today.year());
    // A period that runs across the new year is never reported as in force.
    if (start < end && start <= midnight && midnight < end)
        return getTimeZoneDaylightSavingTimeAbbrev();
    return getTimeZoneStandardAbbrev();
}

std::string TimeZone::getDaylightSavingTimePeriod() const
{
    if (!hasDaylightSavingTime())
        return std::string();
    const boost::gregorian::greg_year year = Today(false).year();
    const boost::posix_time::ptime start = m_timeZone->dst_local_start_time(year);
    const boost::posix_time::ptime end = m_timeZone->dst_local_end_time(year);
    if (!(start < end))
        return std::string();
    return WriteDate(start) + " - " + WriteDate(end);
}

bool TimeZone::daylightSavingTimeContains(const boost::posix_time::ptime &t) const
{
    if (!hasDaylightSavingTime() || t.is_special())
        return false;
    const boost::gregorian::greg_year year = t.date().year();
    const boost::posix_time::ptime start = m_timeZone->dst_local_start_time(year);
    const boost::posix_time::ptime end = m_timeZone->dst_local_end_time(year);
    return start < end && start <= t && t < end;
}

bool TimeZone::knownRegion() const
{
    QORV_ASSERT(m_timeZone);
    return static_cast<bool>(m_timeZone);
}
