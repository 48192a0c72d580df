#include "pastemessagefromclipboardlogevent.h"

#include "logeventpastemessagefromclipboardrequest3.pb.h"

unsigned int PasteMessageFromClipboardLogEvent::m_Cnt = 0;

PasteMessageFromClipboardLogEvent::PasteMessageFromClipboardLogEvent(int majorOpcode, int minorOpcode,
                                                                     const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 37;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(2);
    addKeyValuePair("cnt", ++m_Cnt);
}

PasteMessageFromClipboardLogEvent::~PasteMessageFromClipboardLogEvent() = default;

bool PasteMessageFromClipboardLogEvent::handleEvent()
{
    qorv::data::LogEventPasteMessageFromClipboardRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Message *message = request.has_message() ? &request.message() : nullptr;
    return addMessageKeys(message, NameRule::Required, request.size(), Direction::In);
}

unsigned int PasteMessageFromClipboardLogEvent::getCnt() const
{
    return m_Cnt;
}
