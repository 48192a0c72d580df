#ifndef SECURITYDESCRIPTORPROXY_H
#define SECURITYDESCRIPTORPROXY_H

#include "proxy.h"

// The initialisation choices of a security descriptor.
class SecurityDescriptorProxy : public Proxy
{
public:
    // How a writer fills a new descriptor: nothing, or its defaults with the
    // expiration at the maximum (permissive) or minimum (restrictive) timestamp.
    enum Initialization
    {
        NoDefaults = 0,
        PermissiveDefaults = 1,
        RestrictiveDefaults = 2
    };

    ~SecurityDescriptorProxy() override;
};

#endif // SECURITYDESCRIPTORPROXY_H
