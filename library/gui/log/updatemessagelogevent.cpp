#include "updatemessagelogevent.h"

#include "updatemessagerequest3.pb.h"

EventIdentity UpdateMessageLogEvent::identity()
{
    return {62, tr("Name"), cef::Severity(4)};
}

bool UpdateMessageLogEvent::handleEvent()
{
    using Request = qorv::data::UpdateMessageRequest;
    return addUpdateKeys(&Request::has_message, &Request::message, NameRule::Required);
}
