#ifndef INSERTFOLDERKEYLOGEVENT_H
#define INSERTFOLDERKEYLOGEVENT_H

#include "countedreplylogevent.h"
#include "insertkeylogevent.h"

// The reply to a folder key given to a user.
class InsertFolderKeyLogEvent : public CountedReplyLogEvent<InsertFolderKeyLogEvent, InsertKeyLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // INSERTFOLDERKEYLOGEVENT_H
