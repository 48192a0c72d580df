#include "pastedocumentfromclipboardlogevent.h"

#include "logeventpastedocumentfromclipboardrequest3.pb.h"

EventIdentity PasteDocumentFromClipboardLogEvent::identity()
{
    return {36, tr("Name"), cef::Severity(2)};
}

bool PasteDocumentFromClipboardLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventPasteDocumentFromClipboardRequest;
    return addActionKeys(&Request::has_document, &Request::document, NameRule::Required, Direction::In);
}
