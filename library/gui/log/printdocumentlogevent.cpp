#include "printdocumentlogevent.h"

#include "logeventprintdocumentrequest3.pb.h"

EventIdentity PrintDocumentLogEvent::identity()
{
    return {38, tr("Name"), cef::Severity(7)};
}

bool PrintDocumentLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventPrintDocumentRequest;
    return addActionKeys(&Request::has_document, &Request::document, NameRule::Required, Direction::Out);
}
