#ifndef INSERTMESSAGEDOCUMENTLOGEVENT_H
#define INSERTMESSAGEDOCUMENTLOGEVENT_H

#include "countedreplylogevent.h"

// The reply to a document attached to a message.
class InsertMessageDocumentLogEvent : public CountedReplyLogEvent<InsertMessageDocumentLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // INSERTMESSAGEDOCUMENTLOGEVENT_H
