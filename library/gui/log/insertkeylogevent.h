#ifndef INSERTKEYLOGEVENT_H
#define INSERTKEYLOGEVENT_H

#include "replylogevent.h"

#include <string>

namespace qorv::data
{
class User;
}

// The reply to a key given to a user: whatever the key opens, the line names
// the record and the user in the same keys and refuses the same gaps.
class InsertKeyLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    InsertKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                      int minorErcode, const std::string &reply, QObject *parent);
    ~InsertKeyLogEvent() override;

protected:
    // The record that the key opens, with the texts that name it.
    struct KeyTarget {
        bool hasId;
        int id;
        bool hasName;
        std::string name;
        const char *badId;
        const char *invalidId;
        const char *badName;
        const char *idLabel;
        const char *nameLabel;
    };

    // Adds the ids of the record and of the user, and with the details their
    // names; false when a field that the line needs is missing or null.
    bool addKeyGrant(const KeyTarget &target, const qorv::data::User &user);
};

#endif // INSERTKEYLOGEVENT_H
