#ifndef UPDATEDOCUMENTLOGEVENT_H
#define UPDATEDOCUMENTLOGEVENT_H

#include "countedreplylogevent.h"
#include "updatelogevent.h"

// The reply to a document update.
class UpdateDocumentLogEvent : public CountedReplyLogEvent<UpdateDocumentLogEvent, UpdateLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // UPDATEDOCUMENTLOGEVENT_H
