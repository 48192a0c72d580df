#ifndef AUTHENTICATEUSERLOGEVENT_H
#define AUTHENTICATEUSERLOGEVENT_H

#include "countedreplylogevent.h"

// The reply to a log-on. The line says only that a log-on was answered, and how.
class AuthenticateUserLogEvent : public CountedReplyLogEvent<AuthenticateUserLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();
};

#endif // AUTHENTICATEUSERLOGEVENT_H
