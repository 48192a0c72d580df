#ifndef DIRECTEXCHANGE_H
#define DIRECTEXCHANGE_H

#include "common/opcode.h"

namespace google::protobuf
{
class MessageLite;
}

namespace network
{
// Whether a reply whose error codes are not (0, 0) still answers the request.
enum class ReplyErrorCodes
{
    // Any reply that parses is the answer: the pickers and the user-group
    // window list whatever came back.
    Ignored,
    // Only a reply with the codes (0, 0) is an answer: a search the server
    // refused has failed, it has not found nothing.
    Checked,
};

// One blocking exchange (majorOpcode, 1) straight with the server, past the
// bus: no other window sees it and it writes no audit line; only the
// dispatcher logs what goes wrong on the way. Serializes request and parses
// the reply into reply. False when the request does not serialize, the
// exchange fails, the error codes are checked and are not (0, 0), or the
// reply does not parse.
bool DirectExchange(common::Opcode majorOpcode, const google::protobuf::MessageLite &request,
                    google::protobuf::MessageLite &reply, ReplyErrorCodes errorCodes);

// The same exchange under another minor opcode, for the tagged look-ups that
// the server answers differently (a document's revision list, one revision).
bool DirectExchange(common::Opcode majorOpcode, common::Opcode minorOpcode,
                    const google::protobuf::MessageLite &request, google::protobuf::MessageLite &reply,
                    ReplyErrorCodes errorCodes);
}

#endif // DIRECTEXCHANGE_H
