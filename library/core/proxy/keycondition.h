#ifndef KEYCONDITION_H
#define KEYCONDITION_H

#include <cstdint>

// Why a received key may not be used at this moment: the bits of a key
// validator's flags word. Several may hold at once; a zero word means the key
// may be used now. 0x10 is unused and never set.
enum KeyCondition : std::uint64_t
{
    KeyNotActive = 0x01,           // switched off (or no descriptor)
    KeyNotActiveMonth = 0x02,      // not in this month of the machine's local date
    KeyNotActiveDay = 0x04,        // not on this weekday of the machine's local date
    KeyNotActiveNow = 0x08,        // outside the daily hours in the key's region
    KeyHasExpired = 0x20,          // the expiration date (UTC) is today or earlier
    KeyViewPermissionDenied = 0x40 // the key does not permit viewing
};

#endif // KEYCONDITION_H
