#ifndef PASTEDOCUMENTFROMCLIPBOARDLOGEVENT_H
#define PASTEDOCUMENTFROMCLIPBOARDLOGEVENT_H

#include "requestlogevent.h"

// A paste of clipboard text into a document. Counts every such action since start-up, audited or not.
class PasteDocumentFromClipboardLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    PasteDocumentFromClipboardLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~PasteDocumentFromClipboardLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // PASTEDOCUMENTFROMCLIPBOARDLOGEVENT_H
