#include "userserver.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "messagedispatcher.h"

#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "user3.pb.h"

#include <string>

UserServer::UserServer(qorv::data::User &user)
    : m_user(&user)
{
}

UserServer::~UserServer() = default;

bool UserServer::reload()
{
    qorv::data::SelectUserRequest request;
    request.set_user_id(m_user->user_id());
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;

    MessageDispatcher dispatcher(common::op::SelectUser, common::tag::Plain, payload);
    if (!dispatcher.dispatch())
        return false;

    // The error codes and the diagnostic record are not looked at: a reply
    // that carries exactly one user is the answer.
    qorv::data::SelectUserReply reply;
    if (!reply.ParseFromString(dispatcher.getReply()) || reply.user_size() != 1)
        return false;

    m_user->CopyFrom(reply.user(0));
    return true;
}
