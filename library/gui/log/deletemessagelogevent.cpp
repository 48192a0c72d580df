#include "deletemessagelogevent.h"

#include "auditedrecord.h"

#include "deletemessagerequest3.pb.h"

EventIdentity DeleteMessageLogEvent::identity()
{
    return {13, tr("Name"), cef::Severity(5)};
}

bool DeleteMessageLogEvent::handleEvent()
{
    qorv::data::DeleteMessageRequest request;
    if (!parse(m_request, &request))
        return false;
    // The sender's id is required too, judged after the message's own id and
    // before its subject.
    if (request.has_message_id() && !request.has_message_user_id())
        return refuse("Bad message user id!");
    return addRecordKeys({&MessageKind, true, request.has_message_id(), request.message_id(),
                          request.has_message_subject(), request.message_subject()},
                         NameRule::Required);
}
