#ifndef DELETEMESSAGELOGEVENT_H
#define DELETEMESSAGELOGEVENT_H

#include "countedreplylogevent.h"

// The reply to a message deletion.
class DeleteMessageLogEvent : public CountedReplyLogEvent<DeleteMessageLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // DELETEMESSAGELOGEVENT_H
