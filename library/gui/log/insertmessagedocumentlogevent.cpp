#include "insertmessagedocumentlogevent.h"

#include "auditedid.h"

#include "insertmessagedocumentrequest3.pb.h"

EventIdentity InsertMessageDocumentLogEvent::identity()
{
    return {31, tr("Name"), cef::Severity(4)};
}

bool InsertMessageDocumentLogEvent::handleEvent()
{
    qorv::data::InsertMessageDocumentRequest request;
    return parse(m_request, &request) && require(request.has_message_document(), "Bad message document!")
           && addIdPair(AttachmentIds(request.message_document()));
}
