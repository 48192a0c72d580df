#ifndef DBTIMESTAMP_H
#define DBTIMESTAMP_H

#include <boost/date_time/local_time/local_time_types.hpp>
#include <boost/date_time/posix_time/ptime.hpp>

#include <string>

// A point in time in UTC to the microsecond, as records carry it in their date
// texts. Valid from 1400-01-01 00:00:00 up to the end of 9999; a text that
// cannot be read gives not-a-date-time, which is not valid. Every text form of
// a time that is not valid is the empty text.
//
// The zone handles are shared zone rules of the zone table; a null handle
// stands for the machine's local time.
class DbTimestamp
{
public:
    using TimeZonePtr = boost::local_time::time_zone_ptr;

    // The sentinels: a date long past, and "never" (an expiration that never
    // comes, or the current revision of a document).
    inline static const std::string m_MinTimestamp{"1400-01-01 00:00:00"};
    inline static const std::string m_MaxTimestamp{"9999-12-31 00:00:00"};

    explicit DbTimestamp(const boost::posix_time::ptime &time);
    explicit DbTimestamp(const std::string &text);
    DbTimestamp(const DbTimestamp &) = default;
    DbTimestamp &operator=(const DbTimestamp &) = default;
    ~DbTimestamp() = default;

    bool isValid() const;
    // Only the date is compared: 9999-12-31 23:59:59 is the maximum too.
    bool isMinTimestamp() const;
    bool isMaxTimestamp() const;

    boost::posix_time::ptime toPosixTime() const;
    // The machine's local wall-clock time. Not-a-date-time when the time is not
    // valid or the C library cannot convert it (before 1970).
    boost::posix_time::ptime toLocalPosixTime() const;
    boost::local_time::local_date_time toLocalDateTime(const TimeZonePtr &zone) const;

    std::string toDbString() const;
    std::string toDisplayString() const;
    std::string toRfcString() const;
    std::string toIsoExtendedString() const;
    std::string toIsoString() const;
    std::string toSimpleString() const;

    // The same forms for the wall-clock time in the zone (ISO forms without
    // the trailing "Z"). A time that the zone cannot show (the machine's local
    // time before 1970, or a wall-clock year outside 1400 to 9999) gives the
    // empty text.
    std::string toLocalDbString(const TimeZonePtr &zone) const;
    std::string toLocalDisplayString(const TimeZonePtr &zone) const;
    std::string toLocalRfcString(const TimeZonePtr &zone) const;
    std::string toLocalIsoString(const TimeZonePtr &zone) const;
    std::string toLocalIsoExtendedString(const TimeZonePtr &zone) const;
    std::string toLocalSimpleString(const TimeZonePtr &zone) const;
    // Empty for the two sentinel dates as well, so that they show as blanks.
    std::string toLocalRfcStringExcMinMax(const TimeZonePtr &zone) const;

private:
    boost::posix_time::ptime localTime(const TimeZonePtr &zone) const;

    boost::posix_time::ptime m_time;

    friend bool operator==(const DbTimestamp &left, const DbTimestamp &right);
    friend bool operator<(const DbTimestamp &left, const DbTimestamp &right);
};

// The stored microsecond counts compared as plain integers: two
// not-a-date-time values are equal and lie above every valid time.
bool operator==(const DbTimestamp &left, const DbTimestamp &right);
bool operator!=(const DbTimestamp &left, const DbTimestamp &right);
bool operator<(const DbTimestamp &left, const DbTimestamp &right);
bool operator<=(const DbTimestamp &left, const DbTimestamp &right);
bool operator>(const DbTimestamp &left, const DbTimestamp &right);
bool operator>=(const DbTimestamp &left, const DbTimestamp &right);

#endif // DBTIMESTAMP_H
