#include "verifyusernameresetclientpkihandler.h"

#include "authcode.h"
#include "qorvassert.h"

#include "verifyusernameresetrequest3.pb.h"
#include "verifyusernameresetreply3.pb.h"

VerifyUserNameResetClientPkiHandler::VerifyUserNameResetClientPkiHandler()
    : m_encryptedUserEmailAddressLen(0)
    , m_decryptedUserNameResetAuthcodeLen(0)
{
}

VerifyUserNameResetClientPkiHandler::~VerifyUserNameResetClientPkiHandler() = default;

void VerifyUserNameResetClientPkiHandler::setUserEmailAddress(const std::string &address)
{
    QORV_ASSERT(! address.empty());
    m_userEmailAddress = address;
}

std::int32_t VerifyUserNameResetClientPkiHandler::encryptRequest(qorv::data::VerifyUserNameResetRequest &request)
{
    const std::int32_t authcode = encryptUserEmailAddress();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    request.set_encrypted_user_email_address_len(static_cast<std::int32_t>(m_encryptedUserEmailAddressLen));
    request.set_encrypted_user_email_address(
        std::string(reinterpret_cast<const char *>(m_encryptedUserEmailAddress.get()), m_encryptedUserEmailAddressLen));
    return AUTH_CODE_SUCCESS;
}

std::int32_t VerifyUserNameResetClientPkiHandler::decryptReply(const qorv::data::VerifyUserNameResetReply &reply)
{
    // An absent field reads as no bytes and an absent count as 0, which then
    // fails as a decryption.
    return decryptField(reply.encrypted_user_name_reset_authcode(), reply.encrypted_user_name_reset_authcode_len(),
                        m_decryptedUserNameResetAuthcode, m_decryptedUserNameResetAuthcodeLen);
}

std::string VerifyUserNameResetClientPkiHandler::getDecryptedUserNameResetAuthcode() const
{
    QORV_ASSERT(m_decryptedUserNameResetAuthcodeLen && m_decryptedUserNameResetAuthcode);
    if (!m_decryptedUserNameResetAuthcode)
        return std::string();
    return std::string(reinterpret_cast<const char *>(m_decryptedUserNameResetAuthcode.get()),
                       m_decryptedUserNameResetAuthcodeLen);
}

std::int32_t VerifyUserNameResetClientPkiHandler::encryptUserEmailAddress()
{
    return encryptText(m_userEmailAddress, m_encryptedUserEmailAddress, m_encryptedUserEmailAddressLen);
}
