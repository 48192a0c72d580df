#include "searchexchange.h"

#include "common/minortag.h"
#include "messagedispatcher.h"

#include <google/protobuf/message_lite.h>

#include <string>

namespace search
{
bool Exchange(common::Opcode opcode, const google::protobuf::MessageLite &request,
              google::protobuf::MessageLite &reply)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    MessageDispatcher dispatcher(opcode, common::tag::Plain, payload);
    if (!dispatcher.dispatch() || !dispatcher.noEr())
        return false;
    return reply.ParseFromString(dispatcher.getReply());
}
}
