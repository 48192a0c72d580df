#include "printdocumentlogevent.h"

#include "logeventprintdocumentrequest3.pb.h"

unsigned int PrintDocumentLogEvent::m_Cnt = 0;

PrintDocumentLogEvent::PrintDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                             QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 38;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

PrintDocumentLogEvent::~PrintDocumentLogEvent() = default;

bool PrintDocumentLogEvent::handleEvent()
{
    qorv::data::LogEventPrintDocumentRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Document *document = request.has_document() ? &request.document() : nullptr;
    return addDocumentKeys(document, NameRule::Required, request.size(), Direction::Out);
}

unsigned int PrintDocumentLogEvent::getCnt() const
{
    return m_Cnt;
}
