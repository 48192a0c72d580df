#include "deletemessagelogevent.h"

#include "dbid.h"

#include "deletemessagerequest3.pb.h"

unsigned int DeleteMessageLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int DeleteMessageLogEvent::m_FailureOutcomeCnt = 0;

DeleteMessageLogEvent::DeleteMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                             int majorErcode, int minorErcode, const std::string &reply,
                                             QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 13;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(5);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

DeleteMessageLogEvent::~DeleteMessageLogEvent() = default;

bool DeleteMessageLogEvent::handleEvent()
{
    qorv::data::DeleteMessageRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_message_id())
        return refuse("Bad message id!");
    if (!request.has_message_user_id())
        return refuse("Bad message user id!");
    if (!request.has_message_subject())
        return refuse("Bad message subject!");
    if (DbId(request.message_id()).null())
        return refuse("Invalid message id!");

    addKeyValuePair("cn1Label", label("messageId"));
    addKeyValuePair("cn1", request.message_id());
    if (addEventDetails() && !request.message_subject().empty()) {
        addKeyValuePair("cs1Label", label("messageSubject"));
        addKeyValuePair("cs1", request.message_subject());
    }
    return true;
}

unsigned int DeleteMessageLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int DeleteMessageLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
