#ifndef SELECTMESSAGELOGEVENT_H
#define SELECTMESSAGELOGEVENT_H

#include "countedreplylogevent.h"
#include "selectlogevent.h"

// The reply to a query for messages.
class SelectMessageLogEvent : public CountedReplyLogEvent<SelectMessageLogEvent, SelectLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // SELECTMESSAGELOGEVENT_H
