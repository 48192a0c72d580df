#include "selectmessagelogevent.h"

#include "selectmessagereply3.pb.h"

EventIdentity SelectMessageLogEvent::identity()
{
    return {48, tr("Name"), cef::Severity(1)};
}

bool SelectMessageLogEvent::handleEvent()
{
    return addIdList(&qorv::data::SelectMessageReply::message, &qorv::data::Message::message_id, "messageIdList");
}
