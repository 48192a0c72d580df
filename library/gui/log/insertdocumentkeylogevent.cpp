#include "insertdocumentkeylogevent.h"

#include "insertdocumentkeyrequest3.pb.h"

EventIdentity InsertDocumentKeyLogEvent::identity()
{
    return {25, tr("Name"), cef::Severity(4)};
}

bool InsertDocumentKeyLogEvent::handleEvent()
{
    using Request = qorv::data::InsertDocumentKeyRequest;
    using Key = qorv::data::DocumentKey;
    return addKeyGrant(&Request::has_document_key, &Request::document_key, &Key::has_document_key_document,
                       &Key::document_key_document, &Key::has_document_key_user, &Key::document_key_user);
}
