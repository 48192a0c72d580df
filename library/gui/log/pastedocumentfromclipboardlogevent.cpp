#include "pastedocumentfromclipboardlogevent.h"

#include "logeventpastedocumentfromclipboardrequest3.pb.h"

unsigned int PasteDocumentFromClipboardLogEvent::m_Cnt = 0;

PasteDocumentFromClipboardLogEvent::PasteDocumentFromClipboardLogEvent(int majorOpcode, int minorOpcode,
                                                                       const std::string &request, QObject *parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
{
    m_cefDeviceEventClassId = 36;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(2);
    addKeyValuePair("cnt", ++m_Cnt);
}

PasteDocumentFromClipboardLogEvent::~PasteDocumentFromClipboardLogEvent() = default;

bool PasteDocumentFromClipboardLogEvent::handleEvent()
{
    qorv::data::LogEventPasteDocumentFromClipboardRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    const qorv::data::Document *document = request.has_document() ? &request.document() : nullptr;
    return addDocumentKeys(document, NameRule::Required, request.size(), Direction::In);
}

unsigned int PasteDocumentFromClipboardLogEvent::getCnt() const
{
    return m_Cnt;
}
