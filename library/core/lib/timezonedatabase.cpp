#include "timezonedatabase.h"

#include "qorvassert.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <boost/throw_exception.hpp>

#include <fstream>
#include <sstream>
#include <utility>

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
    // Opened as the date library's own file reader opens it, and refused
    // with its error.
    std::ifstream file(fileName.c_str());
    if (!file)
        boost::throw_exception(boost::local_time::data_not_accessible(fileName));
    std::ostringstream text;
    text << file.rdbuf();
    loadFromText(text.str());
}

void TimeZoneDatabase::loadFromText(std::string text)
{
    m_timeZoneTable.load(std::move(text));
}

const TimeZoneDatabase::Database &TimeZoneDatabase::getTimeZoneDatabase() const
{
    return m_timeZoneTable.database();
}

bool TimeZoneDatabase::setDefaultTimeZone(const std::string &region)
{
    m_defaultTimeZoneRegion = region;
    m_defaultTimeZonePtr = m_timeZoneTable.database().time_zone_from_region(region);
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
