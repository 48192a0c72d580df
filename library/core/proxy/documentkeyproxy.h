#ifndef DOCUMENTKEYPROXY_H
#define DOCUMENTKEYPROXY_H

#include "keyproxy.h"

// The bits of a document key (and of a document's descriptor).
class DocumentKeyProxy : public KeyProxy
{
public:
    // The descriptor's permissions word. Bits 2 to 5 are reserved; a new
    // document gets 0xFFF, reserved bits included, and "no permissions" means
    // bits 0 to 11 all clear.
    enum Permission : unsigned int
    {
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

    // How a writer fills a new record.
    enum Initialization
    {
        NoDefaults = 0,
        PermissiveDefaults = 1,
        RestrictiveDefaults = 2
    };

    ~DocumentKeyProxy() override;
};

#endif // DOCUMENTKEYPROXY_H
