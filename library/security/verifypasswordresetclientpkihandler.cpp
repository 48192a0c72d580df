#include "verifypasswordresetclientpkihandler.h"

#include "authcode.h"
#include "qorvassert.h"

#include "verifypasswordresetrequest3.pb.h"
#include "verifypasswordresetreply3.pb.h"

VerifyPasswordResetClientPkiHandler::VerifyPasswordResetClientPkiHandler()
    : m_encryptedUserEmailAddressLen(0)
    , m_decryptedPasswordResetAuthcodeLen(0)
{
}

VerifyPasswordResetClientPkiHandler::~VerifyPasswordResetClientPkiHandler() = default;

void VerifyPasswordResetClientPkiHandler::setUserEmailAddress(const std::string &address)
{
    QORV_ASSERT(! address.empty());
    m_userEmailAddress = address;
}

std::int32_t VerifyPasswordResetClientPkiHandler::encryptRequest(qorv::data::VerifyPasswordResetRequest &request)
{
    const std::int32_t authcode = encryptUserEmailAddress();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    request.set_encrypted_user_email_address_len(static_cast<std::int32_t>(m_encryptedUserEmailAddressLen));
    request.set_encrypted_user_email_address(
        std::string(reinterpret_cast<const char *>(m_encryptedUserEmailAddress.get()), m_encryptedUserEmailAddressLen));
    return AUTH_CODE_SUCCESS;
}

std::int32_t VerifyPasswordResetClientPkiHandler::decryptReply(const qorv::data::VerifyPasswordResetReply &reply)
{
    // An absent field reads as no bytes and an absent count as 0, which then
    // fails as a decryption.
    return decryptField(reply.encrypted_password_reset_authcode(), reply.encrypted_password_reset_authcode_len(),
                        m_decryptedPasswordResetAuthcode, m_decryptedPasswordResetAuthcodeLen);
}

std::string VerifyPasswordResetClientPkiHandler::getDecryptedPasswordResetAuthcode() const
{
    QORV_ASSERT(m_decryptedPasswordResetAuthcodeLen && m_decryptedPasswordResetAuthcode);
    if (!m_decryptedPasswordResetAuthcode)
        return std::string();
    return std::string(reinterpret_cast<const char *>(m_decryptedPasswordResetAuthcode.get()),
                       m_decryptedPasswordResetAuthcodeLen);
}

std::int32_t VerifyPasswordResetClientPkiHandler::encryptUserEmailAddress()
{
    return encryptText(m_userEmailAddress, m_encryptedUserEmailAddress, m_encryptedUserEmailAddressLen);
}
