#ifndef DEFERREDZONETABLE_H
#define DEFERREDZONETABLE_H

#include <boost/date_time/local_time/tz_database.hpp>

#include <string>

// The date library's zone table, built from the text of a table file when it
// is first asked for rather than when the text arrives. Building the 519
// zones of the built-in table is most of what the program would otherwise do
// before its first window, yet only the log-on, the network dialog and the key
// pages need them.
//
// Only text that the date library is sure to accept waits: eleven quoted
// fields a line, well-formed offsets and, where a zone has daylight saving,
// well-formed times and rules. Any other text is read at once, so that its
// errors reach the caller of load() exactly as the library raises them and
// the zones before a bad line stay in the table as they would.
class DeferredZoneTable
{
public:
    using Database = boost::local_time::tz_database;

    DeferredZoneTable() = default;
    DeferredZoneTable(const DeferredZoneTable &) = delete;
    DeferredZoneTable &operator=(const DeferredZoneTable &) = delete;

    // text is a whole table file: a heading line, then one zone a line.
    // Zones already in the table keep their rules.
    void load(std::string text);
    const Database &database() const;

private:
    void buildPending() const;

    // Built on the first look at the table, hence mutable.
    mutable Database m_database;
    mutable std::string m_pendingText;
};

#endif // DEFERREDZONETABLE_H
