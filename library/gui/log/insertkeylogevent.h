#ifndef INSERTKEYLOGEVENT_H
#define INSERTKEYLOGEVENT_H

#include "auditedrecord.h"
#include "replylogevent.h"

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
    using ReplyLogEvent::ReplyLogEvent;
    ~InsertKeyLogEvent() override;

protected:
    // Reads the request payload as a Request that carries the key in the
    // given field, and the key's record and user in theirs. The user is the
    // one the key is given to, not its owner.
    template <class Request, class Key, class Record>
    bool addKeyGrant(bool (Request::*hasKey)() const, const Key &(Request::*keyOf)() const,
                     bool (Key::*hasRecord)() const, const Record &(Key::*recordOf)() const,
                     bool (Key::*hasUser)() const, const qorv::data::User &(Key::*userOf)() const)
    {
        Request request;
        if (!parse(m_request, &request))
            return false;
        const Key &key = (request.*keyOf)();
        const AuditedRecord target = Audited(&(key.*recordOf)());
        const RecordKind &kind = *target.kind;
        return require((request.*hasKey)(), kind.missingKey) && require((key.*hasRecord)(), kind.missingKeyRecord)
               && require((key.*hasUser)(), kind.missingKeyUser) && addKeyGrant(target, (key.*userOf)());
    }

private:
    // Adds the ids of the record and of the user, and with the details their
    // names; false when a field that the line needs is missing or null.
    bool addKeyGrant(const AuditedRecord &target, const qorv::data::User &user);
};

#endif // INSERTKEYLOGEVENT_H
