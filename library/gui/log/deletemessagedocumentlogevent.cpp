#include "deletemessagedocumentlogevent.h"

#include "dbid.h"

#include "deletemessagedocumentrequest3.pb.h"

unsigned int DeleteMessageDocumentLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int DeleteMessageDocumentLogEvent::m_FailureOutcomeCnt = 0;

DeleteMessageDocumentLogEvent::DeleteMessageDocumentLogEvent(int majorOpcode, int minorOpcode,
                                                             const std::string &request, int majorErcode,
                                                             int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 14;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(5);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

DeleteMessageDocumentLogEvent::~DeleteMessageDocumentLogEvent() = default;

bool DeleteMessageDocumentLogEvent::handleEvent()
{
    qorv::data::DeleteMessageDocumentRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_message_document_message_id())
        return refuse("Bad message document message id!");
    if (!request.has_message_document_document_id())
        return refuse("Bad message document document id!");
    if (DbId(request.message_document_message_id()).null())
        return refuse("Invalid message id!");
    if (DbId(request.message_document_document_id()).null())
        return refuse("Invalid document id!");

    addKeyValuePair("cn1Label", label("messageId"));
    addKeyValuePair("cn1", request.message_document_message_id());
    addKeyValuePair("cn2Label", label("documentId"));
    addKeyValuePair("cn2", request.message_document_document_id());
    return true;
}

unsigned int DeleteMessageDocumentLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int DeleteMessageDocumentLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
