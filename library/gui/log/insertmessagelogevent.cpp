#include "insertmessagelogevent.h"

#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"

EventIdentity InsertMessageLogEvent::identity()
{
    return {30, tr("Name"), cef::Severity(4)};
}

bool InsertMessageLogEvent::handleEvent()
{
    using Reply = qorv::data::InsertMessageReply;
    using Request = qorv::data::InsertMessageRequest;
    return addNewRecordKeys(&Reply::has_message_id, &Reply::message_id, &Request::has_message, &Request::message);
}
