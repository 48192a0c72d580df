#ifndef USERPROXY_H
#define USERPROXY_H

#include "proxy.h"

// The bits of a user.
class UserProxy : public Proxy
{
public:
    // user_properties.
    enum Property : unsigned int
    {
        MultiFactorAuthentication = 0,   // a code is asked for at log-on
        DocumentSharedNotifications = 1, // mail when a document is shared with the user
        MessageReceivedNotifications = 2 // mail when a message is shared with the user
    };

    ~UserProxy() override;
};

#endif // USERPROXY_H
