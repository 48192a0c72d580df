#ifndef COPYDOCUMENTTOCLIPBOARDLOGEVENT_H
#define COPYDOCUMENTTOCLIPBOARDLOGEVENT_H

#include "requestlogevent.h"

// A copy (or cut) of document text to the clipboard. Counts every such action since start-up, audited or not.
class CopyDocumentToClipboardLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    CopyDocumentToClipboardLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~CopyDocumentToClipboardLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // COPYDOCUMENTTOCLIPBOARDLOGEVENT_H
