#include "deletemessagedocumentlogevent.h"

#include "auditedid.h"

#include "deletemessagedocumentrequest3.pb.h"

EventIdentity DeleteMessageDocumentLogEvent::identity()
{
    return {14, tr("Name"), cef::Severity(5)};
}

bool DeleteMessageDocumentLogEvent::handleEvent()
{
    qorv::data::DeleteMessageDocumentRequest request;
    return parse(m_request, &request) && addIdPair(AttachmentIds(request));
}
