#include "verifyusernameresetclientpkihandler.h"

#include "verifyusernameresetreply3.pb.h"
#include "verifyusernameresetrequest3.pb.h"

VerifyUserNameResetClientPkiHandler::VerifyUserNameResetClientPkiHandler() = default;

VerifyUserNameResetClientPkiHandler::~VerifyUserNameResetClientPkiHandler() = default;

std::int32_t VerifyUserNameResetClientPkiHandler::encryptRequest(qorv::data::VerifyUserNameResetRequest &request)
{
    return fillRequest(request);
}

std::int32_t VerifyUserNameResetClientPkiHandler::decryptReply(const qorv::data::VerifyUserNameResetReply &reply)
{
    return decryptAuthcode(reply.encrypted_user_name_reset_authcode(), reply.encrypted_user_name_reset_authcode_len());
}

std::string VerifyUserNameResetClientPkiHandler::getDecryptedUserNameResetAuthcode() const
{
    return decryptedAuthcode();
}
