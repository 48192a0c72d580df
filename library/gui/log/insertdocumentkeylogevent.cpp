#include "insertdocumentkeylogevent.h"

#include "insertdocumentkeyrequest3.pb.h"

unsigned int InsertDocumentKeyLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertDocumentKeyLogEvent::m_FailureOutcomeCnt = 0;

InsertDocumentKeyLogEvent::InsertDocumentKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                     int majorErcode, int minorErcode, const std::string &reply,
                                                     QObject *parent)
    : InsertKeyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 25;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertDocumentKeyLogEvent::~InsertDocumentKeyLogEvent() = default;

bool InsertDocumentKeyLogEvent::handleEvent()
{
    qorv::data::InsertDocumentKeyRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_document_key())
        return refuse("Bad document key!");
    const qorv::data::DocumentKey &key = request.document_key();
    if (!key.has_document_key_document())
        return refuse("Bad document key document!");
    // The user the key is given to, not its owner.
    if (!key.has_document_key_user())
        return refuse("Bad document key user!");
    const qorv::data::Document &document = key.document_key_document();
    return addKeyGrant({document.has_document_id(), document.document_id(), document.has_document_name(), document.document_name(), "Bad document id!",
                        "Invalid document id!", "Bad document name!", "documentId", "documentName"},
                       key.document_key_user());
}

unsigned int InsertDocumentKeyLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertDocumentKeyLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
