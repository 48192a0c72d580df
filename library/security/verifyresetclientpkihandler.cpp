#include "verifyresetclientpkihandler.h"

#include "qorvassert.h"

VerifyResetClientPkiHandler::VerifyResetClientPkiHandler()
    : m_encryptedUserEmailAddressLen(0)
    , m_decryptedAuthcodeLen(0)
{
}

VerifyResetClientPkiHandler::~VerifyResetClientPkiHandler() = default;

void VerifyResetClientPkiHandler::setUserEmailAddress(const std::string &address)
{
    QORV_ASSERT(! address.empty());
    m_userEmailAddress = address;
}

std::int32_t VerifyResetClientPkiHandler::decryptAuthcode(const std::string &bytes, std::int32_t length)
{
    return decryptField(bytes, length, m_decryptedAuthcode, m_decryptedAuthcodeLen);
}

std::string VerifyResetClientPkiHandler::decryptedAuthcode() const
{
    QORV_ASSERT(m_decryptedAuthcodeLen && m_decryptedAuthcode);
    if (!m_decryptedAuthcode)
        return std::string();
    return std::string(reinterpret_cast<const char *>(m_decryptedAuthcode.get()), m_decryptedAuthcodeLen);
}

std::int32_t VerifyResetClientPkiHandler::encryptUserEmailAddress()
{
    return encryptText(m_userEmailAddress, m_encryptedUserEmailAddress, m_encryptedUserEmailAddressLen);
}

std::string VerifyResetClientPkiHandler::encryptedUserEmailAddress() const
{
    return std::string(reinterpret_cast<const char *>(m_encryptedUserEmailAddress.get()),
                       m_encryptedUserEmailAddressLen);
}
