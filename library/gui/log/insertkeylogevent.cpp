#include "insertkeylogevent.h"

#include "dbid.h"

#include "user3.pb.h"

InsertKeyLogEvent::InsertKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                                     int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
}

InsertKeyLogEvent::~InsertKeyLogEvent() = default;

bool InsertKeyLogEvent::addKeyGrant(const KeyTarget &target, const qorv::data::User &user)
{
    if (!target.hasId)
        return refuse(target.badId);
    if (!user.has_user_id())
        return refuse("Bad user id!");
    if (DbId(target.id).null())
        return refuse(target.invalidId);
    if (DbId(user.user_id()).null())
        return refuse("Invalid user id!");

    addKeyValuePair("cn1Label", label(target.idLabel));
    addKeyValuePair("cn1", target.id);
    addKeyValuePair("cn2Label", label("userId"));
    addKeyValuePair("cn2", user.user_id());
    if (!addEventDetails())
        return true;

    if (!target.hasName)
        return refuse(target.badName);
    if (!user.has_user_last_name())
        return refuse("Bad user last name!");
    if (!user.has_user_first_name())
        return refuse("Bad user first name!");
    if (!target.name.empty()) {
        addKeyValuePair("cs1Label", label(target.nameLabel));
        addKeyValuePair("cs1", target.name);
    }
    if (!user.user_last_name().empty()) {
        addKeyValuePair("cs2Label", label("userLastName"));
        addKeyValuePair("cs2", user.user_last_name());
    }
    if (!user.user_first_name().empty()) {
        addKeyValuePair("cs3Label", label("userFirstName"));
        addKeyValuePair("cs3", user.user_first_name());
    }
    // Many users have no middle name, so its absence is no error.
    if (!user.user_middle_name().empty()) {
        addKeyValuePair("cs4Label", label("userMiddleName"));
        addKeyValuePair("cs4", user.user_middle_name());
    }
    return true;
}
