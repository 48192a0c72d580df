#include "insertdocumentlogevent.h"

#include "auditedrecord.h"

#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"

EventIdentity InsertDocumentLogEvent::identity()
{
    return {24, tr("Name"), cef::Severity(4)};
}

bool InsertDocumentLogEvent::handleEvent()
{
    qorv::data::InsertDocumentRequest request;
    qorv::data::InsertDocumentReply reply;
    if (!parse(m_request, &request) || !parse(m_reply, &reply))
        return false;
    AuditedRecord document = Audited(request.has_document() ? &request.document() : nullptr);
    // Only the server knows the new document's id.
    document.hasId = reply.has_document_id();
    document.id = reply.document_id();
    // The name matters only to the details, and only then must it be there.
    return addRecordId(document, NameRule::Optional)
           && (!addEventDetails() || addRecordName(document, NameRule::Required));
}
