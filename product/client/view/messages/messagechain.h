#ifndef MESSAGECHAIN_H
#define MESSAGECHAIN_H

#include "message3.pb.h"
#include "users3.pb.h"

#include <QString>

// What the message windows share about showing a message with the messages it
// answers: one message as an HTML block with its header, the subject of an
// answer, a list of names, and the recipients that the server keeps for a
// message. The server queries are blocking exchanges past the bus; a query
// that fails answers with an empty list, which the windows show as no names.

// "RE: " and the subject, also when the subject already begins so.
QString FormatMessageReplySubject(const qorv::data::Message &message);

// The users' alphabetical names, "Last, First Middle", joined by "; ". A user
// without a name still takes a place in the list.
QString FormatUserNames(const qorv::data::Users &users);

// The recipients of one field (TO, CC or BCC) of the message, as the server
// lists them.
qorv::data::Users SelectMessageUsers(const qorv::data::Message &message, qorv::data::Message_ufield field);

// The header block (From, Created, Modified, Subject, To and, when there is
// one, Cc) followed by the body. The body is HTML already; the subject and
// the names are plain texts and are escaped, so that a "<" or "&" in them
// shows as it was typed.
QString FormatMessageReplyContent(const qorv::data::Message &message);

// The users who are neither TO nor CC recipients of the message.
qorv::data::Users SelectNonMessageUsers(const qorv::data::Message &message);

namespace qorv::data
{
// Users ordered by id, an absent id counting as 0. In the records' namespace,
// so that the standard algorithms find it.
bool operator<(const User &left, const User &right);
}

#endif // MESSAGECHAIN_H
