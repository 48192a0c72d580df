#ifndef DELETEFOLDERLOGEVENT_H
#define DELETEFOLDERLOGEVENT_H

#include "countedreplylogevent.h"
#include "deletelogevent.h"

// The reply to a folder deletion.
class DeleteFolderLogEvent : public CountedReplyLogEvent<DeleteFolderLogEvent, DeleteLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // DELETEFOLDERLOGEVENT_H
