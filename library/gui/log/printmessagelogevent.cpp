#include "printmessagelogevent.h"

#include "logeventprintmessagerequest3.pb.h"

EventIdentity PrintMessageLogEvent::identity()
{
    return {39, tr("Name"), cef::Severity(7)};
}

bool PrintMessageLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventPrintMessageRequest;
    return addActionKeys(&Request::has_message, &Request::message, NameRule::Required, Direction::Out);
}
