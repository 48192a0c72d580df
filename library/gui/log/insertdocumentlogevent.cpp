#include "insertdocumentlogevent.h"

#include "dbid.h"

#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"

unsigned int InsertDocumentLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertDocumentLogEvent::m_FailureOutcomeCnt = 0;

InsertDocumentLogEvent::InsertDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                               int majorErcode, int minorErcode, const std::string &reply,
                                               QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 24;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertDocumentLogEvent::~InsertDocumentLogEvent() = default;

bool InsertDocumentLogEvent::handleEvent()
{
    qorv::data::InsertDocumentRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    qorv::data::InsertDocumentReply reply;
    if (!reply.ParseFromString(m_reply))
        return refuse("ParseFromString failed!");
    if (!request.has_document())
        return refuse("Bad document!");
    // Only the server knows the new document's id.
    if (!reply.has_document_id())
        return refuse("Bad document id!");
    if (DbId(reply.document_id()).null())
        return refuse("Invalid document id!");

    addKeyValuePair("cn1Label", label("documentId"));
    addKeyValuePair("cn1", reply.document_id());
    if (!addEventDetails())
        return true;

    const qorv::data::Document &document = request.document();
    if (!document.has_document_name())
        return refuse("Bad document name!");
    if (!document.document_name().empty()) {
        addKeyValuePair("cs1Label", label("documentName"));
        addKeyValuePair("cs1", document.document_name());
    }
    return true;
}

unsigned int InsertDocumentLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertDocumentLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
