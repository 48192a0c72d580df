#ifndef FOLDERKEYPROXY_H
#define FOLDERKEYPROXY_H

#include "proxy.h"

// The bits of a folder key (and of a folder's descriptor).
class FolderKeyProxy : public Proxy
{
public:
    // folder_key_properties: bits 1 to 31 mean nothing to the client.
    enum Property : unsigned int {
        EmphasizeName = 0
    };

    // The same layout as a document key's active word.
    enum Active : unsigned int {
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

    // The audit mask's layout (bit n severity n, bit n + 10 its details);
    // keys carry 0, so no position is named.
    enum Audit : unsigned int {};

    // Bits 1 to 5 are reserved; a new folder gets 0x7F, and "no permissions"
    // means bits 0 to 6 all clear.
    enum Permission : unsigned int {
        View = 0,
        Search = 6
    };

    // Every permission bit that a folder key can carry.
    static constexpr unsigned int PermissionMask = 0x7Fu;

    // The descriptor's expiration_action word, stored whole; both names
    // stand for the one set of values.
    enum Action : unsigned int {
        NoAction = 0
    };
    using ExpirationAction = Action;

    ~FolderKeyProxy() override;
};

#endif // FOLDERKEYPROXY_H
