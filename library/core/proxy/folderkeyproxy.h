#ifndef FOLDERKEYPROXY_H
#define FOLDERKEYPROXY_H

#include "keyproxy.h"

// The bits of a folder key (and of a folder's descriptor).
class FolderKeyProxy : public KeyProxy
{
public:
    // Bits 1 to 5 are reserved; a new folder gets 0x7F, and "no permissions"
    // means bits 0 to 6 all clear.
    enum Permission : unsigned int
    {
        View = 0,
        Search = 6
    };

    // Every permission bit that a folder key can carry.
    static constexpr unsigned int PermissionMask = 0x7Fu;

    // Both names stand for the one set of expiration actions.
    using ExpirationAction = Action;

    ~FolderKeyProxy() override;
};

#endif // FOLDERKEYPROXY_H
