#include "insertkeylogevent.h"

#include "auditedid.h"

#include "user3.pb.h"

InsertKeyLogEvent::~InsertKeyLogEvent() = default;

bool InsertKeyLogEvent::addKeyGrant(const AuditedRecord &target, const qorv::data::User &user)
{
    const RecordKind &kind = *target.kind;
    if (!addIdPair({{target.hasId, target.id, kind.missingId, kind.invalidId, kind.idLabel},
                    {user.has_user_id(), user.user_id(), "Bad user id!", "Invalid user id!", "userId"}}))
        return false;
    if (!addEventDetails())
        return true;

    // Every name that must be there is judged before any of them is added.
    if (!target.hasName)
        return refuse(kind.missingName);
    if (!user.has_user_last_name())
        return refuse("Bad user last name!");
    if (!user.has_user_first_name())
        return refuse("Bad user first name!");
    addLabelledText("cs1", kind.nameLabel, target.name);
    addLabelledText("cs2", "userLastName", user.user_last_name());
    addLabelledText("cs3", "userFirstName", user.user_first_name());
    // Many users have no middle name, so its absence is no error.
    addLabelledText("cs4", "userMiddleName", user.user_middle_name());
    return true;
}
