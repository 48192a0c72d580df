#ifndef DELETEMESSAGEDOCUMENTLOGEVENT_H
#define DELETEMESSAGEDOCUMENTLOGEVENT_H

#include "countedreplylogevent.h"

// The reply to the removal of a document from a message.
class DeleteMessageDocumentLogEvent : public CountedReplyLogEvent<DeleteMessageDocumentLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // DELETEMESSAGEDOCUMENTLOGEVENT_H
