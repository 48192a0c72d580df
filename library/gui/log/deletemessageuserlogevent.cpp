#include "deletemessageuserlogevent.h"

#include "auditedid.h"

#include "deletemessageuserrequest3.pb.h"

EventIdentity DeleteMessageUserLogEvent::identity()
{
    return {16, tr("Name"), cef::Severity(5)};
}

bool DeleteMessageUserLogEvent::handleEvent()
{
    qorv::data::DeleteMessageUserRequest request;
    return parse(m_request, &request) && addIdPair(RecipientIds(request));
}
