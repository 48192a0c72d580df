#ifndef DOCUMENTPROXY_H
#define DOCUMENTPROXY_H

#include "proxy.h"

// The initialisation choices of a document.
class DocumentProxy : public Proxy
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

    ~DocumentProxy() override;
};

#endif // DOCUMENTPROXY_H
