#include "selectuserlogevent.h"

#include "selectuserreply3.pb.h"

EventIdentity SelectUserLogEvent::identity()
{
    return {52, tr("Name"), cef::Severity(1)};
}

bool SelectUserLogEvent::handleEvent()
{
    return addIdList(&qorv::data::SelectUserReply::user, &qorv::data::User::user_id, "userIdList");
}
