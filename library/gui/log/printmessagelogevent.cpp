#include "printmessagelogevent.h"

#include "logeventprintmessagerequest3.pb.h"

unsigned int PrintMessageLogEvent::m_Cnt = 0;

PrintMessageLogEvent::PrintMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                           QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 39;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

PrintMessageLogEvent::~PrintMessageLogEvent() = default;

bool PrintMessageLogEvent::handleEvent()
{
    qorv::data::LogEventPrintMessageRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Message *message = request.has_message() ? &request.message() : nullptr;
    return addMessageKeys(message, NameRule::Required, request.size(), Direction::Out);
}

unsigned int PrintMessageLogEvent::getCnt() const
{
    return m_Cnt;
}
