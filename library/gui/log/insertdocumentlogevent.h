#ifndef INSERTDOCUMENTLOGEVENT_H
#define INSERTDOCUMENTLOGEVENT_H

#include "countedreplylogevent.h"

// The reply to a new document.
class InsertDocumentLogEvent : public CountedReplyLogEvent<InsertDocumentLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // INSERTDOCUMENTLOGEVENT_H
