#ifndef EXPORTMESSAGETOPDFFILELOGEVENT_H
#define EXPORTMESSAGETOPDFFILELOGEVENT_H

#include "countedrequestlogevent.h"

// An export of a message to a PDF file.
class ExportMessageToPdfFileLogEvent : public CountedRequestLogEvent<ExportMessageToPdfFileLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // EXPORTMESSAGETOPDFFILELOGEVENT_H
