#ifndef TERMINATEUSERSESSIONLOGEVENT_H
#define TERMINATEUSERSESSIONLOGEVENT_H

#include "countedreplylogevent.h"

// The reply to a log-off. The line says only that a log-off was answered, and how.
class TerminateUserSessionLogEvent : public CountedReplyLogEvent<TerminateUserSessionLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();
};

#endif // TERMINATEUSERSESSIONLOGEVENT_H
