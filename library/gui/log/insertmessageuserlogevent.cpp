#include "insertmessageuserlogevent.h"

#include "dbid.h"

#include "insertmessageuserrequest3.pb.h"

unsigned int InsertMessageUserLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertMessageUserLogEvent::m_FailureOutcomeCnt = 0;

InsertMessageUserLogEvent::InsertMessageUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                     int majorErcode, int minorErcode, const std::string &reply,
                                                     QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 33;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertMessageUserLogEvent::~InsertMessageUserLogEvent() = default;

bool InsertMessageUserLogEvent::handleEvent()
{
    qorv::data::InsertMessageUserRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_message())
        return refuse("Bad message user!");
    const qorv::data::Message &message = request.message();
    if (!message.has_message_user_message_id())
        return refuse("Bad message user message id!");
    if (!message.has_message_user_user_id())
        return refuse("Bad message user user id!");
    if (DbId(message.message_user_message_id()).null())
        return refuse("Invalid message id!");
    if (DbId(message.message_user_user_id()).null())
        return refuse("Invalid user id!");

    addKeyValuePair("cn1Label", label("messageId"));
    addKeyValuePair("cn1", message.message_user_message_id());
    addKeyValuePair("cn2Label", label("userId"));
    addKeyValuePair("cn2", message.message_user_user_id());
    return true;
}

unsigned int InsertMessageUserLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertMessageUserLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
