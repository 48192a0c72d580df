#ifndef COPYMESSAGETOCLIPBOARDLOGEVENT_H
#define COPYMESSAGETOCLIPBOARDLOGEVENT_H

#include "requestlogevent.h"

// A copy (or cut) of message text to the clipboard. Counts every such action since start-up, audited or not.
class CopyMessageToClipboardLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    CopyMessageToClipboardLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~CopyMessageToClipboardLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // COPYMESSAGETOCLIPBOARDLOGEVENT_H
