#ifndef PARSEDEXCHANGE_H
#define PARSEDEXCHANGE_H

#include "authenticateuserclientpkihandler.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "crypto.h"
#include "logoncompletion.h"
#include "messagedispatcher.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"

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

// One exchange through the client's dispatcher whose reply is not needed:
// whether it went through and the server answered without an error.
template <class Request>
bool AcceptedExchange(common::Opcode major, common::Opcode minor, const Request &request)
{
    const std::string payload = request.SerializeAsString();
    MessageDispatcher dispatcher(major, minor, payload);
    return dispatcher.dispatch() && dispatcher.noEr();
}

// The password of every account of the sample.
inline constexpr const char *SamplePassword = "quillane";

// A log-on as the console makes it: the server's answer, and, when the
// password opened the account, the session installed as the console installs
// it. Nothing when the request could not be built, the exchange failed, the
// server answered with an error, the reply did not parse or the session could
// not be installed.
inline std::optional<qorv::data::AuthenticateUserReply> LogOn(const std::string &userName,
                                                              const std::string &password = SamplePassword)
{
    AuthenticateUserClientPkiHandler handler;
    handler.setUserNameHash(crypto::HashUserName(userName));
    handler.setUserPasswordHash(crypto::HashPassword(password));
    qorv::data::AuthenticateUserRequest request;
    if (handler.encryptRequest(request) != 0)
        return std::nullopt;
    const std::string payload = request.SerializeAsString();
    MessageDispatcher dispatcher(common::op::AuthenticateUser, common::tag::Plain, payload);
    qorv::data::AuthenticateUserReply reply;
    if (!dispatcher.dispatch() || !dispatcher.noEr() || !reply.ParseFromString(dispatcher.getReply()))
        return std::nullopt;
    if (reply.user_password_decoded() && !LogOnCompletion().complete(dispatcher.getReply()))
        return std::nullopt;
    return reply;
}

// Whether a log-on opened the account and installed its session.
inline bool LogsOn(const std::string &userName, const std::string &password = SamplePassword)
{
    const std::optional<qorv::data::AuthenticateUserReply> reply = LogOn(userName, password);
    return reply && reply->user_password_decoded();
}
}

#endif // PARSEDEXCHANGE_H
