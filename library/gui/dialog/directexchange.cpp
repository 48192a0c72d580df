#include "directexchange.h"

#include "common/minortag.h"
#include "messagedispatcher.h"

#include <google/protobuf/message_lite.h>

#include <string>

namespace direct
{
bool Exchange(common::Opcode majorOpcode, const google::protobuf::MessageLite &request,
              google::protobuf::MessageLite &reply)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    MessageDispatcher dispatcher(majorOpcode, common::tag::Plain, payload);
    if (!dispatcher.dispatch())
        return false;
    return reply.ParseFromString(dispatcher.getReply());
}
}
