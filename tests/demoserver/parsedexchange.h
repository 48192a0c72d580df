#ifndef PARSEDEXCHANGE_H
#define PARSEDEXCHANGE_H

#include "common/majorcode.h"
#include "messagedispatcher.h"

#include <optional>
#include <string>

namespace demoserver
{
// One exchange through the client's dispatcher; the reply, or nothing when
// the exchange failed, the server answered with an error or the reply did not
// parse.
template <class Reply, class Request>
std::optional<Reply> ParsedExchange(common::Opcode major, common::Opcode minor, const Request &request)
{
    const std::string payload = request.SerializeAsString();
    MessageDispatcher dispatcher(major, minor, payload);
    Reply reply;
    if (!dispatcher.dispatch() || !dispatcher.noEr() || !reply.ParseFromString(dispatcher.getReply()))
        return std::nullopt;
    return reply;
}
}

#endif // PARSEDEXCHANGE_H
