#ifndef DELETEDOCUMENTLOGEVENT_H
#define DELETEDOCUMENTLOGEVENT_H

#include "countedreplylogevent.h"
#include "deletelogevent.h"

// The reply to a document deletion.
class DeleteDocumentLogEvent : public CountedReplyLogEvent<DeleteDocumentLogEvent, DeleteLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // DELETEDOCUMENTLOGEVENT_H
