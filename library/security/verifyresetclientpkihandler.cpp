#include "verifyresetclientpkihandler.h"

#include "qorvassert.h"

#include <QtGlobal>

VerifyResetClientPkiHandler::VerifyResetClientPkiHandler()
    : m_encryptedUserEmailAddressLen(0)
    , m_decryptedAuthcodeLen(0)
{
}

VerifyResetClientPkiHandler::~VerifyResetClientPkiHandler() = default;

void VerifyResetClientPkiHandler::setUserEmailAddress(const std::string &address)
{
    QORV_ASSERT(!address.empty());
    m_userEmailAddress = address;
}

std::int32_t VerifyResetClientPkiHandler::decryptAuthcode(const std::string &bytes, std::int32_t length)
{
    return decryptField(bytes, length, m_decryptedAuthcode, m_decryptedAuthcodeLen);
}

std::string VerifyResetClientPkiHandler::decryptedAuthcode() const
{
    // The code is the server's: an empty one is its fault, not ours, and the
    // caller gives up on an empty code.
    if (!m_decryptedAuthcode || !m_decryptedAuthcodeLen) {
        qWarning("The reset reply holds no authorization code.");
        return std::string();
    }
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
