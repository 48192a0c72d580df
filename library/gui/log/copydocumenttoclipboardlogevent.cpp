#include "copydocumenttoclipboardlogevent.h"

#include "logeventcopydocumenttoclipboardrequest3.pb.h"

unsigned int CopyDocumentToClipboardLogEvent::m_Cnt = 0;

CopyDocumentToClipboardLogEvent::CopyDocumentToClipboardLogEvent(int majorOpcode, int minorOpcode,
                                                                 const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 4;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(7);
    addKeyValuePair("cnt", ++m_Cnt);
}

CopyDocumentToClipboardLogEvent::~CopyDocumentToClipboardLogEvent() = default;

bool CopyDocumentToClipboardLogEvent::handleEvent()
{
    qorv::data::LogEventCopyDocumentToClipboardRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Document *document = request.has_document() ? &request.document() : nullptr;
    return addDocumentKeys(document, NameRule::Optional, request.size(), Direction::Out);
}

unsigned int CopyDocumentToClipboardLogEvent::getCnt() const
{
    return m_Cnt;
}
