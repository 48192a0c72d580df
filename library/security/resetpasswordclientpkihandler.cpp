#include "resetpasswordclientpkihandler.h"

#include "resetpasswordrequest3.pb.h"

ResetPasswordClientPkiHandler::ResetPasswordClientPkiHandler() = default;

ResetPasswordClientPkiHandler::~ResetPasswordClientPkiHandler() = default;

void ResetPasswordClientPkiHandler::setPasswordResetAuthcode(const std::string &authcode)
{
    setResetAuthcode(authcode);
}

void ResetPasswordClientPkiHandler::setUserPassword(const std::string &userPassword)
{
    setCredential(userPassword);
}

std::int32_t ResetPasswordClientPkiHandler::encryptRequest(qorv::data::ResetPasswordRequest &request)
{
    using Request = qorv::data::ResetPasswordRequest;
    return fillRequest<Request>(request, &Request::set_encrypted_password_reset_authcode,
                                &Request::set_encrypted_password_reset_authcode_len,
                                &Request::set_encrypted_user_password, &Request::set_encrypted_user_password_len);
}
