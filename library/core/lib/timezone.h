#ifndef TIMEZONE_H
#define TIMEZONE_H

#include <boost/date_time/posix_time/ptime.hpp>
#include <boost/date_time/time_zone_base.hpp>
#include <boost/shared_ptr.hpp>

#include <string>

// A region of the zone table and its rules. A region that the table lacks
// (the look-up is exact and case-sensitive) has a null handle: times in it
// count as UTC. The queries on the rules are meant for regions taken from the
// table's own list; for an unknown region they answer as for a zone without
// daylight saving and without abbreviations.
class TimeZone
{
public:
    using TimeZonePtr = boost::shared_ptr<boost::date_time::time_zone_base<boost::posix_time::ptime, char>>;

    // Any value other than UtcRegion selects the default region.
    enum Region : int
    {
        UtcRegion = 0,
        DefaultRegion = 1
    };

    explicit TimeZone(Region region);
    explicit TimeZone(const std::string &region);

    const std::string &getRegion() const;
    const TimeZonePtr &getTimeZone() const;

    std::string getTimeZoneStandardAbbrev() const;
    std::string getTimeZoneDaylightSavingTimeAbbrev() const;
    bool hasDaylightSavingTime() const;
    // The abbreviation in force at the start of today's UTC date.
    std::string getTimeZoneAbbrev() const;
    // This local year's daylight-saving period, "03/30/25 - 10/26/25"; empty
    // without daylight saving or when the period runs across the new year.
    std::string getDaylightSavingTimePeriod() const;
    // Whether the wall-clock time lies in the daylight-saving period of its year.
    bool daylightSavingTimeContains(const boost::posix_time::ptime &t) const;

private:
    bool knownRegion() const;

    std::string m_region;
    TimeZonePtr m_timeZone;
};

#endif // TIMEZONE_H
