#ifndef FOLDERPROXY_H
#define FOLDERPROXY_H

#include "proxy.h"

// The initialisation choices of a folder.
class FolderProxy : public Proxy
{
public:
    // How a writer fills a new record: nothing; the defaults with everything
    // active, every permission and no expiration (permissive); or the defaults
    // with nothing active, no permission and a date long past (restrictive).
    enum Initialization
    {
        NoDefaults = 0,
        PermissiveDefaults = 1,
        RestrictiveDefaults = 2
    };

    ~FolderProxy() override;
};

#endif // FOLDERPROXY_H
