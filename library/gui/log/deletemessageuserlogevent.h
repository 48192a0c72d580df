#ifndef DELETEMESSAGEUSERLOGEVENT_H
#define DELETEMESSAGEUSERLOGEVENT_H

#include "countedreplylogevent.h"

// The reply to the removal of a recipient from a message.
class DeleteMessageUserLogEvent : public CountedReplyLogEvent<DeleteMessageUserLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // DELETEMESSAGEUSERLOGEVENT_H
