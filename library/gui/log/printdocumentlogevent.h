#ifndef PRINTDOCUMENTLOGEVENT_H
#define PRINTDOCUMENTLOGEVENT_H

#include "countedrequestlogevent.h"

// A print of a document.
class PrintDocumentLogEvent : public CountedRequestLogEvent<PrintDocumentLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // PRINTDOCUMENTLOGEVENT_H
