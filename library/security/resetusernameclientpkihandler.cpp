#include "resetusernameclientpkihandler.h"

#include "resetusernamerequest3.pb.h"

ResetUserNameClientPkiHandler::ResetUserNameClientPkiHandler() = default;

ResetUserNameClientPkiHandler::~ResetUserNameClientPkiHandler() = default;

void ResetUserNameClientPkiHandler::setUserNameResetAuthcode(const std::string &authcode)
{
    setResetAuthcode(authcode);
}

void ResetUserNameClientPkiHandler::setUserName(const std::string &userName)
{
    setCredential(userName);
}

std::int32_t ResetUserNameClientPkiHandler::encryptRequest(qorv::data::ResetUserNameRequest &request)
{
    using Request = qorv::data::ResetUserNameRequest;
    return fillRequest<Request>(request, &Request::set_encrypted_user_name_reset_authcode,
                                &Request::set_encrypted_user_name_reset_authcode_len, &Request::set_encrypted_user_name,
                                &Request::set_encrypted_user_name_len);
}
