#include "userserver.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "messagedispatcher.h"

#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "user3.pb.h"

#include <QtGlobal>

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
    // The callers go no further without a word to the user, so each failure
    // leaves a warning.
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        qWarning("The user reload request could not be serialized; the user is not reloaded.");
        return false;
    }

    MessageDispatcher dispatcher(common::op::SelectUser, common::tag::Plain, payload);
    if (!dispatcher.dispatch()) {
        qWarning("The user reload exchange failed; the user is not reloaded.");
        return false;
    }

    // The error codes and the diagnostic record are not looked at: a reply
    // that carries exactly one user is the answer.
    qorv::data::SelectUserReply reply;
    if (!reply.ParseFromString(dispatcher.getReply()) || reply.user_size() != 1) {
        qWarning("The user reload reply does not hold exactly one user; the user is not reloaded.");
        return false;
    }

    m_user->CopyFrom(reply.user(0));
    return true;
}
