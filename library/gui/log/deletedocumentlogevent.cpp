#include "deletedocumentlogevent.h"

#include "dbid.h"

#include "deletedocumentrequest3.pb.h"

unsigned int DeleteDocumentLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int DeleteDocumentLogEvent::m_FailureOutcomeCnt = 0;

DeleteDocumentLogEvent::DeleteDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                               int majorErcode, int minorErcode, const std::string &reply,
                                               QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 7;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(5);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

DeleteDocumentLogEvent::~DeleteDocumentLogEvent() = default;

bool DeleteDocumentLogEvent::handleEvent()
{
    qorv::data::DeleteDocumentRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_document_id())
        return refuse("Bad document id!");
    if (!request.has_document_name())
        return refuse("Bad document name!");
    if (DbId(request.document_id()).null())
        return refuse("Invalid document id!");

    addKeyValuePair("cn1Label", label("documentId"));
    addKeyValuePair("cn1", request.document_id());
    if (addEventDetails() && !request.document_name().empty()) {
        addKeyValuePair("cs1Label", label("documentName"));
        addKeyValuePair("cs1", request.document_name());
    }
    return true;
}

unsigned int DeleteDocumentLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int DeleteDocumentLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
