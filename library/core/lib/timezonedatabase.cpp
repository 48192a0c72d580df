#include "timezonedatabase.h"

#include "qorvassert.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

TimeZoneDatabase *TimeZoneDatabase::instance()
{
    return ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance();
}

TimeZoneDatabase::TimeZoneDatabase() = default;

TimeZoneDatabase::~TimeZoneDatabase() = default;

void TimeZoneDatabase::loadFromFile(const std::string &fileName)
{
    QORV_ASSERT(!fileName.empty());
    if (fileName.empty())
        return;
    m_timeZoneDatabase.load_from_file(fileName);
}

const TimeZoneDatabase::Database &TimeZoneDatabase::getTimeZoneDatabase() const
{
    return m_timeZoneDatabase;
}

bool TimeZoneDatabase::setDefaultTimeZone(const std::string &region)
{
    m_defaultTimeZoneRegion = region;
    m_defaultTimeZonePtr = m_timeZoneDatabase.time_zone_from_region(region);
    return static_cast<bool>(m_defaultTimeZonePtr);
}

std::string TimeZoneDatabase::getDefaultTimeZoneRegion() const
{
    return m_defaultTimeZoneRegion;
}

TimeZoneDatabase::TimeZonePtr TimeZoneDatabase::getDefaultTimeZonePtr() const
{
    QORV_ASSERT(m_defaultTimeZonePtr);
    return m_defaultTimeZonePtr;
}
