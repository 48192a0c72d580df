#ifndef UPDATEMESSAGELOGEVENT_H
#define UPDATEMESSAGELOGEVENT_H

#include "countedreplylogevent.h"
#include "updatelogevent.h"

// The reply to a message update.
class UpdateMessageLogEvent : public CountedReplyLogEvent<UpdateMessageLogEvent, UpdateLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // UPDATEMESSAGELOGEVENT_H
