#include "exportdocumenttopdffilelogevent.h"

#include "logeventexportdocumenttopdffilerequest3.pb.h"

unsigned int ExportDocumentToPdfFileLogEvent::m_Cnt = 0;

ExportDocumentToPdfFileLogEvent::ExportDocumentToPdfFileLogEvent(int majorOpcode, int minorOpcode,
                                                                 const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 19;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

ExportDocumentToPdfFileLogEvent::~ExportDocumentToPdfFileLogEvent() = default;

bool ExportDocumentToPdfFileLogEvent::handleEvent()
{
    qorv::data::LogEventExportDocumentToPdfFileRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Document *document = request.has_document() ? &request.document() : nullptr;
    return addDocumentKeys(document, NameRule::Required, request.size(), Direction::Out);
}

unsigned int ExportDocumentToPdfFileLogEvent::getCnt() const
{
    return m_Cnt;
}
