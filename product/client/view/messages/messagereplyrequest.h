#ifndef MESSAGEREPLYREQUEST_H
#define MESSAGEREPLYREQUEST_H

#include "insertmessagerequest3.pb.h"
#include "user3.pb.h"
#include "users3.pb.h"

#include <string>

// The new message of a reply, reply to all or forward to a received message:
// the session user's own message under the answered one, with its subject
// and permissions, and the recipient rows that the answer starts with (the
// author for a reply; the author and the other TO and CC recipients, as CC,
// for a reply to all; nobody for a forward).
class MessageReplyRequest
{
public:
    // others: the answered message's TO recipients, then its CC recipients,
    // as the server lists them (read only for a reply to all). now: the
    // creation date of the rows, in the database's form.
    static qorv::data::InsertMessageRequest make(const qorv::data::Message &answered,
                                                 qorv::data::Message_rfield relation,
                                                 const qorv::data::User &sessionUser, const qorv::data::Users &others,
                                                 const std::string &now);
};

#endif // MESSAGEREPLYREQUEST_H
