#include "cryptographer.h"

#include "crypto.h"
#include "qorvassert.h"

#include <ace/Guard_T.h>
#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace
{
using Guard = ACE_Guard<ACE_Thread_Mutex>;
using AuthcodeTable = std::unordered_map<std::string, std::string>;

// Keys that differ only in letter case name the same entry.
std::string NormalizeKey(const std::string &key)
{
    QORV_ASSERT(! key.empty());
    std::string normalized(key);
    std::transform(normalized.begin(), normalized.end(), normalized.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return normalized;
}

bool SetAuthcode(AuthcodeTable &table, ACE_Thread_Mutex &mutex, const std::string &authcodeKey,
                 const std::string &authcode)
{
    QORV_ASSERT(! authcodeKey.empty());
    QORV_ASSERT(! authcode.empty());
    if (authcodeKey.empty() || authcode.empty())
        return false;
    Guard guard(mutex);
    if (!guard.locked())
        return false;
    table[NormalizeKey(authcodeKey)] = authcode;
    return true;
}

std::string GetAuthcode(const AuthcodeTable &table, ACE_Thread_Mutex &mutex, const std::string &authcodeKey)
{
    QORV_ASSERT(! authcodeKey.empty());
    if (authcodeKey.empty())
        return std::string();
    Guard guard(mutex);
    if (!guard.locked())
        return std::string();
    const auto found = table.find(NormalizeKey(authcodeKey));
    return found == table.end() ? std::string() : found->second;
}

bool DelAuthcode(AuthcodeTable &table, ACE_Thread_Mutex &mutex, const std::string &authcodeKey)
{
    QORV_ASSERT(! authcodeKey.empty());
    if (authcodeKey.empty())
        return false;
    Guard guard(mutex);
    if (!guard.locked())
        return false;
    return 0 < table.erase(NormalizeKey(authcodeKey));
}
}

Cryptographer::Cryptographer()
    : m_ekey(new unsigned char[crypto::AES_EKEY_BLOCK_SIZE]())
{
}

Cryptographer::~Cryptographer()
{
    m_passwordResetAuthcodes.clear();
    m_userNameResetAuthcodes.clear();
    m_userEmailAddressResetAuthcodes.clear();
    m_multiFactorAuthenticationAuthcodes.clear();
    // A session key should not outlive the process in freed memory. Unlike a
    // plain fill, the library's wipe is not optimised away.
    OPENSSL_cleanse(m_ekey.get(), crypto::AES_EKEY_BLOCK_SIZE);
}

unsigned char *Cryptographer::getEkey() const
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return nullptr;
    return m_ekey.get();
}

std::string Cryptographer::hashUserName(const std::string &userName) const
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return std::string();
    return crypto::HashUserName(userName);
}

std::string Cryptographer::hashPassword(const std::string &password) const
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return std::string();
    return crypto::HashPassword(password);
}

std::string Cryptographer::hashMessage(const std::string &message) const
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return std::string();
    return crypto::HashMessage(message);
}

std::string Cryptographer::encodePassword(const std::string &pass) const
{
    return crypto::EncodePassword(pass);
}

bool Cryptographer::decodePassword(const std::string &pass, const std::string &stored) const
{
    return crypto::DecodePassword(pass, stored);
}

void Cryptographer::clear()
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return;
    OPENSSL_cleanse(m_ekey.get(), crypto::AES_EKEY_BLOCK_SIZE);
    // The frame cipher keeps the expanded key of its last use; it goes too.
    crypto::AesGcmForgetKeys();
    m_passwordResetAuthcodes.clear();
    m_userNameResetAuthcodes.clear();
    QORV_ASSERT(0 == m_passwordResetAuthcodes.size());
    QORV_ASSERT(0 == m_userNameResetAuthcodes.size());
}

bool Cryptographer::isClear() const
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return false;
    const bool keyIsZero = std::all_of(m_ekey.get(), m_ekey.get() + crypto::AES_EKEY_BLOCK_SIZE,
                                       [](unsigned char byte) { return 0 == byte; });
    return keyIsZero && m_passwordResetAuthcodes.empty() && m_userNameResetAuthcodes.empty();
}

std::string Cryptographer::createPassword(int length) const
{
    // 31 characters: no i, l, o, 0 or 1, which read alike.
    static const char alphabet[] = "abcdefghjkmnpqrstuvwxyz23456789";
    constexpr unsigned alphabetSize = sizeof(alphabet) - 1;

    QORV_ASSERT(0 < length);
    if (length <= 0)
        return std::string();
    Guard guard(m_mutex);
    if (!guard.locked())
        return std::string();
    std::string password;
    password.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        unsigned char byte = 0;
        if (1 != RAND_priv_bytes(&byte, 1))
            throw std::runtime_error("RAND_priv_bytes failed");
        password.push_back(alphabet[byte % alphabetSize]);
    }
    return password;
}

std::string Cryptographer::createAuthcode() const
{
    return createPassword(6);
}

bool Cryptographer::setPasswordResetAuthcode(const std::string &authcodeKey, const std::string &authcode)
{
    return SetAuthcode(m_passwordResetAuthcodes, m_mutex, authcodeKey, authcode);
}

std::string Cryptographer::getPasswordResetAuthcode(const std::string &authcodeKey) const
{
    return GetAuthcode(m_passwordResetAuthcodes, m_mutex, authcodeKey);
}

bool Cryptographer::delPasswordResetAuthcode(const std::string &authcodeKey)
{
    return DelAuthcode(m_passwordResetAuthcodes, m_mutex, authcodeKey);
}

bool Cryptographer::setUserNameResetAuthcode(const std::string &authcodeKey, const std::string &authcode)
{
    return SetAuthcode(m_userNameResetAuthcodes, m_mutex, authcodeKey, authcode);
}

std::string Cryptographer::getUserNameResetAuthcode(const std::string &authcodeKey) const
{
    return GetAuthcode(m_userNameResetAuthcodes, m_mutex, authcodeKey);
}

bool Cryptographer::delUserNameResetAuthcode(const std::string &authcodeKey)
{
    return DelAuthcode(m_userNameResetAuthcodes, m_mutex, authcodeKey);
}

bool Cryptographer::setUserEmailAddressResetAuthcode(const std::string &authcodeKey, const std::string &authcode)
{
    return SetAuthcode(m_userEmailAddressResetAuthcodes, m_mutex, authcodeKey, authcode);
}

std::string Cryptographer::getUserEmailAddressResetAuthcode(const std::string &authcodeKey) const
{
    return GetAuthcode(m_userEmailAddressResetAuthcodes, m_mutex, authcodeKey);
}

bool Cryptographer::delUserEmailAddressResetAuthcode(const std::string &authcodeKey)
{
    return DelAuthcode(m_userEmailAddressResetAuthcodes, m_mutex, authcodeKey);
}

bool Cryptographer::setMultiFactorAuthenticationAuthcode(std::int32_t number, const std::string &authcode)
{
    QORV_ASSERT(! authcode.empty());
    if (authcode.empty())
        return false;
    Guard guard(m_mutex);
    if (!guard.locked())
        return false;
    m_multiFactorAuthenticationAuthcodes[number] = authcode;
    return true;
}

std::string Cryptographer::getMultiFactorAuthenticationAuthcode(std::int32_t number) const
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return std::string();
    const auto found = m_multiFactorAuthenticationAuthcodes.find(number);
    return found == m_multiFactorAuthenticationAuthcodes.end() ? std::string() : found->second;
}

bool Cryptographer::delMultiFactorAuthenticationAuthcode(std::int32_t number)
{
    Guard guard(m_mutex);
    if (!guard.locked())
        return false;
    return 0 < m_multiFactorAuthenticationAuthcodes.erase(number);
}
