#ifndef UPDATEFOLDERLOGEVENT_H
#define UPDATEFOLDERLOGEVENT_H

#include "countedreplylogevent.h"
#include "updatelogevent.h"

// The reply to a folder update.
class UpdateFolderLogEvent : public CountedReplyLogEvent<UpdateFolderLogEvent, UpdateLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // UPDATEFOLDERLOGEVENT_H
