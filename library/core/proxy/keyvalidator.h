#ifndef KEYVALIDATOR_H
#define KEYVALIDATOR_H

#include "keycondition.h"

#include <boost/date_time/local_time/tz_database.hpp>

#include <cstdint>

// Decides once, when it is made, whether a received key may be used at this
// moment, and keeps the answer as a word of KeyCondition flags (bits 0x01 to
// 0x20; the subclasses add the view permission). The three parts of the
// answer use three time bases on purpose: the months and weekdays follow the
// machine's own calendar, the daily hours the wall clock of the key's region,
// the expiration the UTC date, because that is how the keys are written.
//
// Nothing escapes the constructor: a clock that cannot be read, or a time or
// date in the key that cannot be, counts against the key (the flag of that
// part is set), since a key from the server must never open by accident.
//
// Instantiated for DocumentKeyReader and FolderKeyReader; the reader is not
// kept.
template <typename Reader>
class KeyValidator
{
public:
    using ZoneTable = boost::local_time::tz_database;

    KeyValidator(const Reader &reader, const ZoneTable &zoneTable);
    virtual ~KeyValidator();

    KeyValidator(const KeyValidator &) = delete;
    KeyValidator &operator=(const KeyValidator &) = delete;

    // Zero when the key may be used now.
    [[nodiscard]] std::uint64_t getFlags() const;

protected:
    void addFlags(std::uint64_t flags);

private:
    std::uint64_t m_flags;
    const ZoneTable &m_zoneTable;
};

#endif // KEYVALIDATOR_H
