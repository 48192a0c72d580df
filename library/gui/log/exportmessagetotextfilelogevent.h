#ifndef EXPORTMESSAGETOTEXTFILELOGEVENT_H
#define EXPORTMESSAGETOTEXTFILELOGEVENT_H

#include "countedrequestlogevent.h"

// An export of a message to a text file.
class ExportMessageToTextFileLogEvent : public CountedRequestLogEvent<ExportMessageToTextFileLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // EXPORTMESSAGETOTEXTFILELOGEVENT_H
