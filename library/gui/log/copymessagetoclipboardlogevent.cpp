#include "copymessagetoclipboardlogevent.h"

#include "logeventcopymessagetoclipboardrequest3.pb.h"

EventIdentity CopyMessageToClipboardLogEvent::identity()
{
    return {5, tr("Name"), cef::Severity(7)};
}

bool CopyMessageToClipboardLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventCopyMessageToClipboardRequest;
    return addActionKeys(&Request::has_message, &Request::message, NameRule::Optional, Direction::Out);
}
