#include "verifypasswordresetclientpkihandler.h"

#include "verifypasswordresetreply3.pb.h"
#include "verifypasswordresetrequest3.pb.h"

VerifyPasswordResetClientPkiHandler::VerifyPasswordResetClientPkiHandler() = default;

VerifyPasswordResetClientPkiHandler::~VerifyPasswordResetClientPkiHandler() = default;

std::int32_t VerifyPasswordResetClientPkiHandler::encryptRequest(qorv::data::VerifyPasswordResetRequest &request)
{
    return fillRequest(request);
}

std::int32_t VerifyPasswordResetClientPkiHandler::decryptReply(const qorv::data::VerifyPasswordResetReply &reply)
{
    return decryptAuthcode(reply.encrypted_password_reset_authcode(), reply.encrypted_password_reset_authcode_len());
}

std::string VerifyPasswordResetClientPkiHandler::getDecryptedPasswordResetAuthcode() const
{
    return decryptedAuthcode();
}
