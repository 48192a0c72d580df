#ifndef DIRECTEXCHANGE_H
#define DIRECTEXCHANGE_H

#include "common/opcode.h"

namespace google::protobuf
{
class MessageLite;
}

// The look-ups of the pickers and the user-group window go straight to the
// server, past the bus: no other window sees them and they write no audit
// line.
namespace direct
{
// Serializes request, runs one blocking exchange (majorOpcode, 1) and parses
// the reply into reply. False when any of the three steps fails; the reply's
// error codes are not looked at.
bool Exchange(common::Opcode majorOpcode, const google::protobuf::MessageLite &request,
              google::protobuf::MessageLite &reply);
}

#endif // DIRECTEXCHANGE_H
