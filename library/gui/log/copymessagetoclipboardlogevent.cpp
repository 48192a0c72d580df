#include "copymessagetoclipboardlogevent.h"

#include "logeventcopymessagetoclipboardrequest3.pb.h"

unsigned int CopyMessageToClipboardLogEvent::m_Cnt = 0;

CopyMessageToClipboardLogEvent::CopyMessageToClipboardLogEvent(int majorOpcode, int minorOpcode,
                                                               const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 5;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

CopyMessageToClipboardLogEvent::~CopyMessageToClipboardLogEvent() = default;

bool CopyMessageToClipboardLogEvent::handleEvent()
{
    qorv::data::LogEventCopyMessageToClipboardRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Message *message = request.has_message() ? &request.message() : nullptr;
    return addMessageKeys(message, NameRule::Optional, request.size(), Direction::Out);
}

unsigned int CopyMessageToClipboardLogEvent::getCnt() const
{
    return m_Cnt;
}
