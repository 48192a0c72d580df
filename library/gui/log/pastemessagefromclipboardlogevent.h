#ifndef PASTEMESSAGEFROMCLIPBOARDLOGEVENT_H
#define PASTEMESSAGEFROMCLIPBOARDLOGEVENT_H

#include "countedrequestlogevent.h"

// A paste of clipboard text into a message.
class PasteMessageFromClipboardLogEvent : public CountedRequestLogEvent<PasteMessageFromClipboardLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // PASTEMESSAGEFROMCLIPBOARDLOGEVENT_H
