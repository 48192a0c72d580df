#ifndef SELECTUSERLOGEVENT_H
#define SELECTUSERLOGEVENT_H

#include "countedreplylogevent.h"
#include "selectlogevent.h"

// The reply to a query for users.
class SelectUserLogEvent : public CountedReplyLogEvent<SelectUserLogEvent, SelectLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // SELECTUSERLOGEVENT_H
