#ifndef SEARCHEXCHANGE_H
#define SEARCHEXCHANGE_H

#include "common/opcode.h"

namespace google::protobuf
{
class MessageLite;
}

namespace search
{
// One blocking search exchange straight with the server (minor opcode 1).
// True only when the request went out, the reply came back with the error
// codes (0, 0) and parsed into reply: anything else is a failed search, not
// a search that found nothing.
bool Exchange(common::Opcode opcode, const google::protobuf::MessageLite &request,
              google::protobuf::MessageLite &reply);
}

#endif // SEARCHEXCHANGE_H
