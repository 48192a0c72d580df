#ifndef SELECTDOCUMENTLOGEVENT_H
#define SELECTDOCUMENTLOGEVENT_H

#include "countedreplylogevent.h"
#include "selectlogevent.h"

// The reply to a query for documents.
class SelectDocumentLogEvent : public CountedReplyLogEvent<SelectDocumentLogEvent, SelectLogEvent>
{
    Q_OBJECT

public:
    using CountedReplyLogEvent::CountedReplyLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // SELECTDOCUMENTLOGEVENT_H
