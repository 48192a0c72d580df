#ifndef INSERTDOCUMENTKEYLOGEVENT_H
#define INSERTDOCUMENTKEYLOGEVENT_H

#include "countedreplylogevent.h"
#include "insertkeylogevent.h"

// The reply to a document key given to a user.
class InsertDocumentKeyLogEvent : public CountedReplyLogEvent<InsertDocumentKeyLogEvent, InsertKeyLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // INSERTDOCUMENTKEYLOGEVENT_H
