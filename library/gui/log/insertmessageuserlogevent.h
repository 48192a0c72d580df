#ifndef INSERTMESSAGEUSERLOGEVENT_H
#define INSERTMESSAGEUSERLOGEVENT_H

#include "countedreplylogevent.h"

// The reply to a recipient added to a message.
class InsertMessageUserLogEvent : public CountedReplyLogEvent<InsertMessageUserLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // INSERTMESSAGEUSERLOGEVENT_H
