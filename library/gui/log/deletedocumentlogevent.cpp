#include "deletedocumentlogevent.h"

#include "deletedocumentrequest3.pb.h"

EventIdentity DeleteDocumentLogEvent::identity()
{
    return {7, tr("Name"), cef::Severity(5)};
}

bool DeleteDocumentLogEvent::handleEvent()
{
    using Request = qorv::data::DeleteDocumentRequest;
    return addDeleteKeys(DocumentKind, &Request::has_document_id, &Request::document_id, &Request::has_document_name,
                         &Request::document_name);
}
