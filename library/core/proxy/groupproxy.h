#ifndef GROUPPROXY_H
#define GROUPPROXY_H

#include "proxy.h"

// The bits of a group.
class GroupProxy : public Proxy
{
public:
    // group_properties: no bit is used.
    enum Property : unsigned int
    {
    };

    ~GroupProxy() override;
};

#endif // GROUPPROXY_H
