#include "directexchange.h"

#include "common/minortag.h"
#include "messagedispatcher.h"

#include <google/protobuf/message_lite.h>

#include <string>

namespace network
{
bool DirectExchange(common::Opcode majorOpcode, const google::protobuf::MessageLite &request,
                    google::protobuf::MessageLite &reply, ReplyErrorCodes errorCodes)
{
    return DirectExchange(majorOpcode, common::tag::Plain, request, reply, errorCodes);
}

bool DirectExchange(common::Opcode majorOpcode, common::Opcode minorOpcode,
                    const google::protobuf::MessageLite &request, google::protobuf::MessageLite &reply,
                    ReplyErrorCodes errorCodes)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    MessageDispatcher dispatcher(majorOpcode, minorOpcode, payload);
    if (!dispatcher.dispatch())
        return false;
    if (errorCodes == ReplyErrorCodes::Checked && !dispatcher.noEr())
        return false;
    return reply.ParseFromString(dispatcher.getReply());
}
}
