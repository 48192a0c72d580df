#include "exportmessagetotextfilelogevent.h"

#include "logeventexportmessagetotextfilerequest3.pb.h"

unsigned int ExportMessageToTextFileLogEvent::m_Cnt = 0;

ExportMessageToTextFileLogEvent::ExportMessageToTextFileLogEvent(int majorOpcode, int minorOpcode,
                                                                 const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 22;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

ExportMessageToTextFileLogEvent::~ExportMessageToTextFileLogEvent() = default;

bool ExportMessageToTextFileLogEvent::handleEvent()
{
    qorv::data::LogEventExportMessageToTextFileRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Message *message = request.has_message() ? &request.message() : nullptr;
    return addMessageKeys(message, NameRule::Required, request.size(), Direction::Out);
}

unsigned int ExportMessageToTextFileLogEvent::getCnt() const
{
    return m_Cnt;
}
