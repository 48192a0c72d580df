#include "updatemessagelogevent.h"

#include "dbid.h"

#include "updatemessagerequest3.pb.h"

unsigned int UpdateMessageLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int UpdateMessageLogEvent::m_FailureOutcomeCnt = 0;

UpdateMessageLogEvent::UpdateMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                             int majorErcode, int minorErcode, const std::string &reply,
                                             QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 62;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

UpdateMessageLogEvent::~UpdateMessageLogEvent() = default;

bool UpdateMessageLogEvent::handleEvent()
{
    qorv::data::UpdateMessageRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_message())
        return refuse("Bad message!");
    const qorv::data::Message &message = request.message();
    if (!message.has_message_id())
        return refuse("Bad message id!");
    if (!message.has_message_subject())
        return refuse("Bad message subject!");
    if (DbId(message.message_id()).null())
        return refuse("Invalid message id!");

    addKeyValuePair("cn1Label", label("messageId"));
    addKeyValuePair("cn1", message.message_id());
    if (addEventDetails() && !message.message_subject().empty()) {
        addKeyValuePair("cs1Label", label("messageSubject"));
        addKeyValuePair("cs1", message.message_subject());
    }
    return true;
}

unsigned int UpdateMessageLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int UpdateMessageLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
