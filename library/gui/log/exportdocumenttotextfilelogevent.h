#ifndef EXPORTDOCUMENTTOTEXTFILELOGEVENT_H
#define EXPORTDOCUMENTTOTEXTFILELOGEVENT_H

#include "countedrequestlogevent.h"

// An export of a document to a text file.
class ExportDocumentToTextFileLogEvent : public CountedRequestLogEvent<ExportDocumentToTextFileLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // EXPORTDOCUMENTTOTEXTFILELOGEVENT_H
