#include "resetpasswordclientpkihandler.h"

#include "authcode.h"

#include "resetpasswordrequest3.pb.h"

namespace
{
std::string Text(const PkiHandler::Buffer &buffer, std::uint64_t length)
{
    return std::string(reinterpret_cast<const char *>(buffer.get()), length);
}
}

ResetPasswordClientPkiHandler::ResetPasswordClientPkiHandler()
    : m_encryptedUserEmailAddressLen(0)
    , m_encryptedPasswordResetAuthcodeLen(0)
    , m_encryptedUserPasswordLen(0)
{
}

ResetPasswordClientPkiHandler::~ResetPasswordClientPkiHandler() = default;

void ResetPasswordClientPkiHandler::setUserEmailAddress(const std::string &address)
{
    m_userEmailAddress = address;
}

void ResetPasswordClientPkiHandler::setPasswordResetAuthcode(const std::string &authcode)
{
    m_passwordResetAuthcode = authcode;
}

void ResetPasswordClientPkiHandler::setUserPassword(const std::string &userPassword)
{
    m_userPassword = userPassword;
}

std::int32_t ResetPasswordClientPkiHandler::encryptRequest(qorv::data::ResetPasswordRequest &request)
{
    std::int32_t authcode = encryptUserEmailAddress();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = encryptPasswordResetAuthcode();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = encryptUserPassword();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;

    request.set_encrypted_user_email_address_len(static_cast<std::int32_t>(m_encryptedUserEmailAddressLen));
    request.set_encrypted_user_email_address(Text(m_encryptedUserEmailAddress, m_encryptedUserEmailAddressLen));
    request.set_encrypted_password_reset_authcode_len(static_cast<std::int32_t>(m_encryptedPasswordResetAuthcodeLen));
    request.set_encrypted_password_reset_authcode(Text(m_encryptedPasswordResetAuthcode, m_encryptedPasswordResetAuthcodeLen));
    request.set_encrypted_user_password_len(static_cast<std::int32_t>(m_encryptedUserPasswordLen));
    request.set_encrypted_user_password(Text(m_encryptedUserPassword, m_encryptedUserPasswordLen));
    return AUTH_CODE_SUCCESS;
}

std::int32_t ResetPasswordClientPkiHandler::encryptUserEmailAddress()
{
    return encryptText(m_userEmailAddress, m_encryptedUserEmailAddress, m_encryptedUserEmailAddressLen);
}

std::int32_t ResetPasswordClientPkiHandler::encryptPasswordResetAuthcode()
{
    return encryptText(m_passwordResetAuthcode, m_encryptedPasswordResetAuthcode, m_encryptedPasswordResetAuthcodeLen);
}

std::int32_t ResetPasswordClientPkiHandler::encryptUserPassword()
{
    return encryptText(m_userPassword, m_encryptedUserPassword, m_encryptedUserPasswordLen);
}
