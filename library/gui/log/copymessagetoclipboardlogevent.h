#ifndef COPYMESSAGETOCLIPBOARDLOGEVENT_H
#define COPYMESSAGETOCLIPBOARDLOGEVENT_H

#include "countedrequestlogevent.h"

// A copy (or cut) of message text to the clipboard.
class CopyMessageToClipboardLogEvent : public CountedRequestLogEvent<CopyMessageToClipboardLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // COPYMESSAGETOCLIPBOARDLOGEVENT_H
