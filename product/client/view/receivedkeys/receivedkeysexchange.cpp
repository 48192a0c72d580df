#include "receivedkeysexchange.h"

#include "messagedispatcher.h"

#include <google/protobuf/message_lite.h>

namespace receivedkeys
{
bool Exchange(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::MessageLite &request,
              std::string *replyPayload)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    MessageDispatcher dispatcher(majorOpcode, minorOpcode, payload);
    if (!dispatcher.dispatch() || dispatcher.getMajorErcode() != 0 || dispatcher.getMinorErcode() != 0)
        return false;
    *replyPayload = dispatcher.getReply();
    return true;
}
}
