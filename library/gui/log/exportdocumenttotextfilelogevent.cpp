#include "exportdocumenttotextfilelogevent.h"

#include "logeventexportdocumenttotextfilerequest3.pb.h"

unsigned int ExportDocumentToTextFileLogEvent::m_Cnt = 0;

ExportDocumentToTextFileLogEvent::ExportDocumentToTextFileLogEvent(int majorOpcode, int minorOpcode,
                                                                   const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 20;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

ExportDocumentToTextFileLogEvent::~ExportDocumentToTextFileLogEvent() = default;

bool ExportDocumentToTextFileLogEvent::handleEvent()
{
    qorv::data::LogEventExportDocumentToTextFileRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Document *document = request.has_document() ? &request.document() : nullptr;
    return addDocumentKeys(document, NameRule::Required, request.size(), Direction::Out);
}

unsigned int ExportDocumentToTextFileLogEvent::getCnt() const
{
    return m_Cnt;
}
