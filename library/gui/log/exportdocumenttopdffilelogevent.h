#ifndef EXPORTDOCUMENTTOPDFFILELOGEVENT_H
#define EXPORTDOCUMENTTOPDFFILELOGEVENT_H

#include "countedrequestlogevent.h"

// An export of a document to a PDF file.
class ExportDocumentToPdfFileLogEvent : public CountedRequestLogEvent<ExportDocumentToPdfFileLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // EXPORTDOCUMENTTOPDFFILELOGEVENT_H
