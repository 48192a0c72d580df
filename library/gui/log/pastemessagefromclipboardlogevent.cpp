#include "pastemessagefromclipboardlogevent.h"

#include "logeventpastemessagefromclipboardrequest3.pb.h"

EventIdentity PasteMessageFromClipboardLogEvent::identity()
{
    return {37, tr("Name"), cef::Severity(2)};
}

bool PasteMessageFromClipboardLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventPasteMessageFromClipboardRequest;
    return addActionKeys(&Request::has_message, &Request::message, NameRule::Required, Direction::In);
}
