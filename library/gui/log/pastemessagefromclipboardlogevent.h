#ifndef PASTEMESSAGEFROMCLIPBOARDLOGEVENT_H
#define PASTEMESSAGEFROMCLIPBOARDLOGEVENT_H

#include "requestlogevent.h"

// A paste of clipboard text into a message. Counts every such action since start-up, audited or not.
class PasteMessageFromClipboardLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    PasteMessageFromClipboardLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~PasteMessageFromClipboardLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // PASTEMESSAGEFROMCLIPBOARDLOGEVENT_H
