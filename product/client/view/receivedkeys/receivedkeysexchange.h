#ifndef RECEIVEDKEYSEXCHANGE_H
#define RECEIVEDKEYSEXCHANGE_H

#include "common/opcode.h"
#include "common/sqlc.h"

#include <string>

namespace google::protobuf
{
class MessageLite;
}

// How the windows of received keys ask for them: one blocking exchange
// straight with the server, past the bus, so that no other window sees it.
namespace receivedkeys
{
// Sends the request as (majorOpcode, minorOpcode) and hands back the reply
// payload; false when no reply came or the server answered with an error
// pair.
bool Exchange(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::MessageLite &request,
              std::string *replyPayload);

// The keys the server sent, in reply; false for a failed exchange, a reply
// that does not parse or one that reports an SQL error. A failure must never
// pass for a keyring without keys.
template <class Reply>
bool Select(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::MessageLite &request,
            Reply &reply)
{
    std::string payload;
    return Exchange(majorOpcode, minorOpcode, request, &payload) && reply.ParseFromString(payload)
           && reply.sql_diag_rec().sqlc() == common::SqlcSuccess;
}
}

#endif // RECEIVEDKEYSEXCHANGE_H
