#include "insertmessagelogevent.h"

#include "dbid.h"

#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"

unsigned int InsertMessageLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertMessageLogEvent::m_FailureOutcomeCnt = 0;

InsertMessageLogEvent::InsertMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                             int majorErcode, int minorErcode, const std::string &reply,
                                             QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 30;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertMessageLogEvent::~InsertMessageLogEvent() = default;

bool InsertMessageLogEvent::handleEvent()
{
    // Only the server knows the new message's id; the request matters only
    // for the message's subject.
    qorv::data::InsertMessageReply reply;
    if (!reply.ParseFromString(m_reply))
        return refuse("ParseFromString failed!");
    if (!reply.has_message_id())
        return refuse("Bad message id!");
    if (DbId(reply.message_id()).null())
        return refuse("Invalid message id!");

    addKeyValuePair("cn1Label", label("messageId"));
    addKeyValuePair("cn1", reply.message_id());
    if (!addEventDetails())
        return true;

    qorv::data::InsertMessageRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_message())
        return refuse("Bad message!");
    const qorv::data::Message &message = request.message();
    if (!message.has_message_subject())
        return refuse("Bad message subject!");
    if (!message.message_subject().empty()) {
        addKeyValuePair("cs1Label", label("messageSubject"));
        addKeyValuePair("cs1", message.message_subject());
    }
    return true;
}

unsigned int InsertMessageLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertMessageLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
