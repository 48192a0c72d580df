#ifndef INSERTMESSAGELOGEVENT_H
#define INSERTMESSAGELOGEVENT_H

#include "countedreplylogevent.h"
#include "insertrecordlogevent.h"

// The reply to a new message.
class InsertMessageLogEvent : public CountedReplyLogEvent<InsertMessageLogEvent, InsertRecordLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // INSERTMESSAGELOGEVENT_H
