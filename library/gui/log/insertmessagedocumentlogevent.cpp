#include "insertmessagedocumentlogevent.h"

#include "dbid.h"

#include "insertmessagedocumentrequest3.pb.h"

unsigned int InsertMessageDocumentLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertMessageDocumentLogEvent::m_FailureOutcomeCnt = 0;

InsertMessageDocumentLogEvent::InsertMessageDocumentLogEvent(int majorOpcode, int minorOpcode,
                                                             const std::string &request, int majorErcode,
                                                             int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 31;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertMessageDocumentLogEvent::~InsertMessageDocumentLogEvent() = default;

bool InsertMessageDocumentLogEvent::handleEvent()
{
    qorv::data::InsertMessageDocumentRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_message_document())
        return refuse("Bad message document!");
    const qorv::data::MessageDocument &attachment = request.message_document();
    if (!attachment.has_message_document_message_id())
        return refuse("Bad message document message id!");
    if (!attachment.has_message_document_document_id())
        return refuse("Bad message document document id!");
    if (DbId(attachment.message_document_message_id()).null())
        return refuse("Invalid message id!");
    if (DbId(attachment.message_document_document_id()).null())
        return refuse("Invalid document id!");

    addKeyValuePair("cn1Label", label("messageId"));
    addKeyValuePair("cn1", attachment.message_document_message_id());
    addKeyValuePair("cn2Label", label("documentId"));
    addKeyValuePair("cn2", attachment.message_document_document_id());
    return true;
}

unsigned int InsertMessageDocumentLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertMessageDocumentLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
