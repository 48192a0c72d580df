#include "resetusernameclientpkihandler.h"

#include "authcode.h"

#include "resetusernamerequest3.pb.h"

namespace
{
std::string Text(const PkiHandler::Buffer &buffer, std::uint64_t length)
{
    return std::string(reinterpret_cast<const char *>(buffer.get()), length);
}
}

ResetUserNameClientPkiHandler::ResetUserNameClientPkiHandler()
    : m_encryptedUserEmailAddressLen(0)
    , m_encryptedUserNameResetAuthcodeLen(0)
    , m_encryptedUserNameLen(0)
{
}

ResetUserNameClientPkiHandler::~ResetUserNameClientPkiHandler() = default;

void ResetUserNameClientPkiHandler::setUserEmailAddress(const std::string &address)
{
    m_userEmailAddress = address;
}

void ResetUserNameClientPkiHandler::setUserNameResetAuthcode(const std::string &authcode)
{
    m_userNameResetAuthcode = authcode;
}

void ResetUserNameClientPkiHandler::setUserName(const std::string &userName)
{
    m_userName = userName;
}

std::int32_t ResetUserNameClientPkiHandler::encryptRequest(qorv::data::ResetUserNameRequest &request)
{
    std::int32_t authcode = encryptUserEmailAddress();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = encryptUserNameResetAuthcode();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = encryptUserName();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;

    request.set_encrypted_user_email_address_len(static_cast<std::int32_t>(m_encryptedUserEmailAddressLen));
    request.set_encrypted_user_email_address(Text(m_encryptedUserEmailAddress, m_encryptedUserEmailAddressLen));
    request.set_encrypted_user_name_reset_authcode_len(static_cast<std::int32_t>(m_encryptedUserNameResetAuthcodeLen));
    request.set_encrypted_user_name_reset_authcode(Text(m_encryptedUserNameResetAuthcode, m_encryptedUserNameResetAuthcodeLen));
    request.set_encrypted_user_name_len(static_cast<std::int32_t>(m_encryptedUserNameLen));
    request.set_encrypted_user_name(Text(m_encryptedUserName, m_encryptedUserNameLen));
    return AUTH_CODE_SUCCESS;
}

std::int32_t ResetUserNameClientPkiHandler::encryptUserEmailAddress()
{
    return encryptText(m_userEmailAddress, m_encryptedUserEmailAddress, m_encryptedUserEmailAddressLen);
}

std::int32_t ResetUserNameClientPkiHandler::encryptUserNameResetAuthcode()
{
    return encryptText(m_userNameResetAuthcode, m_encryptedUserNameResetAuthcode, m_encryptedUserNameResetAuthcodeLen);
}

std::int32_t ResetUserNameClientPkiHandler::encryptUserName()
{
    return encryptText(m_userName, m_encryptedUserName, m_encryptedUserNameLen);
}
