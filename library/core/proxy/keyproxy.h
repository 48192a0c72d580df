#ifndef KEYPROXY_H
#define KEYPROXY_H

#include "proxy.h"

// The bits that every key names the same way, whatever it opens: the key's
// properties word and the active, audits and expiration_action words of its
// security descriptor. The proxy of each kind of key adds its permissions.
class KeyProxy : public Proxy
{
public:
    // The key's properties word: bits 1 to 31 mean nothing to the client.
    enum Property : unsigned int
    {
        EmphasizeName = 0 // name drawn in bold; cleared once the key is opened
    };

    // The descriptor's active word: the switch, the months by number and the
    // weekdays from Sunday. 0xFFFFF is on in every month and on every day;
    // bits 20 to 31 are written as 0.
    enum Active : unsigned int
    {
        ActiveStatus = 0,
        ActiveDuringJanuary = 1,
        ActiveDuringFebruary = 2,
        ActiveDuringMarch = 3,
        ActiveDuringApril = 4,
        ActiveDuringMay = 5,
        ActiveDuringJune = 6,
        ActiveDuringJuly = 7,
        ActiveDuringAugust = 8,
        ActiveDuringSeptember = 9,
        ActiveDuringOctober = 10,
        ActiveDuringNovember = 11,
        ActiveDuringDecember = 12,
        ActiveOnSunday = 13,
        ActiveOnMonday = 14,
        ActiveOnTuesday = 15,
        ActiveOnWednesday = 16,
        ActiveOnThursday = 17,
        ActiveOnFriday = 18,
        ActiveOnSaturday = 19
    };

    // The descriptor's audits word has the audit mask's layout: bit n (1 to
    // 10) audits severity n, bit n + 10 adds its details. Keys carry 0, so no
    // position is named.
    enum Audit : unsigned int
    {
    };

    // The descriptor's expiration_action word, stored whole.
    enum Action : unsigned int
    {
        NoAction = 0
    };

    ~KeyProxy() override;
};

#endif // KEYPROXY_H
