#ifndef PRINTMESSAGELOGEVENT_H
#define PRINTMESSAGELOGEVENT_H

#include "countedrequestlogevent.h"

// A print of a message.
class PrintMessageLogEvent : public CountedRequestLogEvent<PrintMessageLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // PRINTMESSAGELOGEVENT_H
