#ifndef SELECTFOLDERLOGEVENT_H
#define SELECTFOLDERLOGEVENT_H

#include "countedreplylogevent.h"
#include "selectlogevent.h"

// The reply to a query for folders.
class SelectFolderLogEvent : public CountedReplyLogEvent<SelectFolderLogEvent, SelectLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // SELECTFOLDERLOGEVENT_H
