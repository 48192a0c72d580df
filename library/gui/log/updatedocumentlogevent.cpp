#include "updatedocumentlogevent.h"

#include "updatedocumentrequest3.pb.h"

EventIdentity UpdateDocumentLogEvent::identity()
{
    return {56, tr("Name"), cef::Severity(4)};
}

bool UpdateDocumentLogEvent::handleEvent()
{
    using Request = qorv::data::UpdateDocumentRequest;
    return addUpdateKeys(&Request::has_document, &Request::document, NameRule::Optional);
}
