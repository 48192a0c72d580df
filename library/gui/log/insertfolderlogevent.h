#ifndef INSERTFOLDERLOGEVENT_H
#define INSERTFOLDERLOGEVENT_H

#include "countedreplylogevent.h"
#include "insertrecordlogevent.h"

// The reply to a new folder.
class InsertFolderLogEvent : public CountedReplyLogEvent<InsertFolderLogEvent, InsertRecordLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // INSERTFOLDERLOGEVENT_H
