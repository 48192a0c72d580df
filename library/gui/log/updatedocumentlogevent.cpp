#include "updatedocumentlogevent.h"

#include "dbid.h"

#include "updatedocumentrequest3.pb.h"

unsigned int UpdateDocumentLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int UpdateDocumentLogEvent::m_FailureOutcomeCnt = 0;

UpdateDocumentLogEvent::UpdateDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                               int majorErcode, int minorErcode, const std::string &reply,
                                               QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 56;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

UpdateDocumentLogEvent::~UpdateDocumentLogEvent() = default;

bool UpdateDocumentLogEvent::handleEvent()
{
    qorv::data::UpdateDocumentRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_document())
        return refuse("Bad document!");
    const qorv::data::Document &document = request.document();
    if (!document.has_document_id())
        return refuse("Bad document id!");
    if (DbId(document.document_id()).null())
        return refuse("Invalid document id!");

    addKeyValuePair("cn1Label", label("documentId"));
    addKeyValuePair("cn1", document.document_id());
    if (!addEventDetails())
        return true;
    // The name says best which document changed; the description stands in
    // only for a document without a name.
    if (!document.document_name().empty()) {
        addKeyValuePair("cs1Label", label("documentName"));
        addKeyValuePair("cs1", document.document_name());
    } else if (!document.document_description().empty()) {
        addKeyValuePair("cs1Label", label("documentDescription"));
        addKeyValuePair("cs1", document.document_description());
    }
    return true;
}

unsigned int UpdateDocumentLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int UpdateDocumentLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
