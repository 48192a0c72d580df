#ifndef COPYDOCUMENTTOCLIPBOARDLOGEVENT_H
#define COPYDOCUMENTTOCLIPBOARDLOGEVENT_H

#include "countedrequestlogevent.h"

// A copy (or cut) of document text to the clipboard.
class CopyDocumentToClipboardLogEvent : public CountedRequestLogEvent<CopyDocumentToClipboardLogEvent>
{
    Q_OBJECT

public:
    using CountedRequestLogEvent::CountedRequestLogEvent;

    static EventIdentity identity();

    bool handleEvent() override;
};

#endif // COPYDOCUMENTTOCLIPBOARDLOGEVENT_H
