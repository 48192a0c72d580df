#ifndef PASTEDOCUMENTFROMCLIPBOARDLOGEVENT_H
#define PASTEDOCUMENTFROMCLIPBOARDLOGEVENT_H

#include "countedrequestlogevent.h"

// A paste of clipboard text into a document.
class PasteDocumentFromClipboardLogEvent : public CountedRequestLogEvent<PasteDocumentFromClipboardLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // PASTEDOCUMENTFROMCLIPBOARDLOGEVENT_H
