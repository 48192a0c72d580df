#ifndef DOCUMENTKEYPROXY_H
#define DOCUMENTKEYPROXY_H

#include "proxy.h"

// The bits of a document key (and of a document's descriptor).
class DocumentKeyProxy : public Proxy
{
public:
    // document_key_properties: bits 1 to 31 mean nothing to the client.
    enum Property : unsigned int {
        EmphasizeName = 0 // name drawn in bold; cleared once the key is opened
    };

    // The descriptor's active word: the switch, the months by number and the
    // weekdays from Sunday. 0xFFFFF is on in every month and on every day;
    // bits 20 to 31 are written as 0.
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

    // The descriptor's audits word has the audit mask's layout: bit n (1 to
    // 10) audits severity n, bit n + 10 adds its details. Keys carry 0, so no
    // position is named.
    enum Audit : unsigned int {};

    // The descriptor's permissions word. Bits 2 to 5 are reserved; a new
    // document gets 0xFFF, reserved bits included, and "no permissions" means
    // bits 0 to 11 all clear.
    enum Permission : unsigned int {
        View = 0,
        Update = 1,
        Search = 6,
        CopyFromClipboard = 7,
        CopyToClipboard = 8,
        ExportToTextFile = 9,
        ExportToPdfFile = 10,
        Print = 11
    };

    // Every permission bit that a document key can carry.
    static constexpr unsigned int PermissionMask = 0xFFFu;

    // The descriptor's expiration_action word, stored whole.
    enum Action : unsigned int {
        NoAction = 0
    };

    // How a writer fills a new record.
    enum Initialization {
        NoDefaults = 0,
        PermissiveDefaults = 1,
        RestrictiveDefaults = 2
    };

    ~DocumentKeyProxy() override;
};

#endif // DOCUMENTKEYPROXY_H
