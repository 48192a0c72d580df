#include "exportmessagetopdffilelogevent.h"

#include "logeventexportmessagetopdffilerequest3.pb.h"

unsigned int ExportMessageToPdfFileLogEvent::m_Cnt = 0;

ExportMessageToPdfFileLogEvent::ExportMessageToPdfFileLogEvent(int majorOpcode, int minorOpcode,
                                                               const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 21;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

ExportMessageToPdfFileLogEvent::~ExportMessageToPdfFileLogEvent() = default;

bool ExportMessageToPdfFileLogEvent::handleEvent()
{
    qorv::data::LogEventExportMessageToPdfFileRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Message *message = request.has_message() ? &request.message() : nullptr;
    return addMessageKeys(message, NameRule::Required, request.size(), Direction::Out);
}

unsigned int ExportMessageToPdfFileLogEvent::getCnt() const
{
    return m_Cnt;
}
