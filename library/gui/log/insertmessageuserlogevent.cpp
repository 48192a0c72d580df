#include "insertmessageuserlogevent.h"

#include "auditedid.h"

#include "insertmessageuserrequest3.pb.h"

EventIdentity InsertMessageUserLogEvent::identity()
{
    return {33, tr("Name"), cef::Severity(4)};
}

bool InsertMessageUserLogEvent::handleEvent()
{
    qorv::data::InsertMessageUserRequest request;
    // The recipient travels as a message record that holds the pair.
    return parse(m_request, &request) && require(request.has_message(), "Bad message user!")
           && addIdPair(RecipientIds(request.message()));
}
