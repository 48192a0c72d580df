#ifndef TIMEZONEDATABASE_H
#define TIMEZONEDATABASE_H

#include "deferredzonetable.h"

#include <boost/date_time/local_time/local_time_types.hpp>
#include <boost/date_time/local_time/tz_database.hpp>

#include <string>

// The zone table of the program (region id to zone rules), loaded once at
// start-up from the built-in table, and the default region of the user who
// logged on last, with which new keys and messages start.
//
// The program shares one table through instance(); a table of its own is
// only made by code that must not disturb that one.
class TimeZoneDatabase
{
public:
    using Database = boost::local_time::tz_database;
    using TimeZonePtr = boost::local_time::time_zone_ptr;

    static TimeZoneDatabase *instance();

    TimeZoneDatabase();
    TimeZoneDatabase(const TimeZoneDatabase &) = delete;
    TimeZoneDatabase &operator=(const TimeZoneDatabase &) = delete;
    virtual ~TimeZoneDatabase();

    // Reads the table in the date library's comma-separated zone format. A
    // missing file or a malformed line raises the date library's exception.
    // The file is read at once and may go away after this; its zones are
    // built when the table is first looked at.
    void loadFromFile(const std::string &fileName);
    // The same for a table already in memory (the built-in one, read in
    // place); a malformed line raises the date library's exception when the
    // table is first looked at.
    void loadFromText(std::string text);
    const Database &getTimeZoneDatabase() const;

    // Keeps the region text even when the table lacks it; the handle is then
    // null and the answer false.
    [[nodiscard]] bool setDefaultTimeZone(const std::string &region);
    std::string getDefaultTimeZoneRegion() const;
    TimeZonePtr getDefaultTimeZonePtr() const;

private:
    DeferredZoneTable m_timeZoneTable;
    std::string m_defaultTimeZoneRegion;
    TimeZonePtr m_defaultTimeZonePtr;
};

#endif // TIMEZONEDATABASE_H
