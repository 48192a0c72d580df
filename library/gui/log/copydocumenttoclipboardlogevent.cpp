#include "copydocumenttoclipboardlogevent.h"

#include "logeventcopydocumenttoclipboardrequest3.pb.h"

EventIdentity CopyDocumentToClipboardLogEvent::identity()
{
    return {4, tr("Name"), cef::Severity(7)};
}

bool CopyDocumentToClipboardLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventCopyDocumentToClipboardRequest;
    return addActionKeys(&Request::has_document, &Request::document, NameRule::Optional, Direction::Out);
}
