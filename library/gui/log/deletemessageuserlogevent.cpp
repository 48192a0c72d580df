#include "deletemessageuserlogevent.h"

#include "dbid.h"

#include "deletemessageuserrequest3.pb.h"

unsigned int DeleteMessageUserLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int DeleteMessageUserLogEvent::m_FailureOutcomeCnt = 0;

DeleteMessageUserLogEvent::DeleteMessageUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                     int majorErcode, int minorErcode, const std::string &reply,
                                                     QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 16;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(5);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

DeleteMessageUserLogEvent::~DeleteMessageUserLogEvent() = default;

bool DeleteMessageUserLogEvent::handleEvent()
{
    qorv::data::DeleteMessageUserRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_message_user_message_id())
        return refuse("Bad message user message id!");
    if (!request.has_message_user_user_id())
        return refuse("Bad message user user id!");
    if (DbId(request.message_user_message_id()).null())
        return refuse("Invalid message id!");
    if (DbId(request.message_user_user_id()).null())
        return refuse("Invalid user id!");

    addKeyValuePair("cn1Label", label("messageId"));
    addKeyValuePair("cn1", request.message_user_message_id());
    addKeyValuePair("cn2Label", label("userId"));
    addKeyValuePair("cn2", request.message_user_user_id());
    return true;
}

unsigned int DeleteMessageUserLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int DeleteMessageUserLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
