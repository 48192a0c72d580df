#include "cryptographer.h"

#include "crypto.h"
#include "qorvassert.h"
#include "secrettext.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>

namespace
{
using AuthcodeTable = std::unordered_map<std::string, std::string>;

// The lock of one operation, held while it lives. It counts as not taken when
// the mutex cannot be acquired, or when the test seam says it cannot.
class Lock
{
public:
    Lock(ACE_Thread_Mutex &mutex, const std::atomic<bool> &failureForTesting)
        : m_mutex(!failureForTesting && mutex.acquire() == 0 ? &mutex : nullptr)
    {
    }

    ~Lock()
    {
        if (m_mutex)
            m_mutex->release();
    }

    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    bool taken() const { return m_mutex != nullptr; }

private:
    // Held only when acquired, so that release pairs with it.
    ACE_Thread_Mutex *m_mutex;
};

// Keys that differ only in letter case name the same entry.
std::string NormalizeKey(const std::string &key)
{
    QORV_ASSERT(!key.empty());
    std::string normalized(key);
    std::transform(normalized.begin(), normalized.end(), normalized.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return normalized;
}

void WipeKey(unsigned char *key)
{
    OPENSSL_cleanse(key, crypto::AES_EKEY_BLOCK_SIZE);
}

// Codes are key material: each is wiped before the table lets it go.
template <class Table>
void WipeCodes(Table &table)
{
    for (auto &entry : table)
        SecretText::Wipe(entry.second);
    table.clear();
}

bool SetAuthcode(AuthcodeTable &table, const Lock &lock, const std::string &authcodeKey, const std::string &authcode)
{
    if (!lock.taken())
        return false;
    std::string &stored = table[NormalizeKey(authcodeKey)];
    SecretText::Wipe(stored);
    stored = authcode;
    return true;
}

std::optional<std::string> GetAuthcode(const AuthcodeTable &table, const Lock &lock, const std::string &authcodeKey)
{
    if (!lock.taken())
        return std::nullopt;
    const auto found = table.find(NormalizeKey(authcodeKey));
    if (found == table.end())
        return std::nullopt;
    return found->second;
}

bool DelAuthcode(AuthcodeTable &table, const Lock &lock, const std::string &authcodeKey)
{
    if (!lock.taken())
        return false;
    const auto found = table.find(NormalizeKey(authcodeKey));
    if (found == table.end())
        return false;
    SecretText::Wipe(found->second);
    table.erase(found);
    return true;
}

bool ValidAuthcodeKey(const std::string &authcodeKey)
{
    QORV_ASSERT(!authcodeKey.empty());
    return !authcodeKey.empty();
}

bool ValidAuthcode(const std::string &authcode)
{
    QORV_ASSERT(!authcode.empty());
    return !authcode.empty();
}
}

Cryptographer::Cryptographer()
    : m_ekey(new unsigned char[crypto::AES_EKEY_BLOCK_SIZE]())
    , m_lockFailureForTesting(false)
{
}

Cryptographer::~Cryptographer()
{
    WipeCodes(m_passwordResetAuthcodes);
    WipeCodes(m_userNameResetAuthcodes);
    WipeCodes(m_userEmailAddressResetAuthcodes);
    WipeCodes(m_multiFactorAuthenticationAuthcodes);
    // A session key must not outlive the process in freed memory.
    WipeKey(m_ekey.get());
}

unsigned char *Cryptographer::getEkey() const
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return nullptr;
    return m_ekey.get();
}

std::optional<std::string> Cryptographer::hashUserName(const std::string &userName) const
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return std::nullopt;
    return crypto::HashUserName(userName);
}

std::optional<std::string> Cryptographer::hashPassword(const std::string &password) const
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return std::nullopt;
    return crypto::HashPassword(password);
}

std::optional<std::string> Cryptographer::hashMessage(const std::string &message) const
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return std::nullopt;
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

bool Cryptographer::clear()
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return false;
    WipeKey(m_ekey.get());
    // The frame cipher keeps the expanded key of its last use; it goes too.
    crypto::AesGcmForgetKeys();
    WipeCodes(m_passwordResetAuthcodes);
    WipeCodes(m_userNameResetAuthcodes);
    QORV_ASSERT(0 == m_passwordResetAuthcodes.size());
    QORV_ASSERT(0 == m_userNameResetAuthcodes.size());
    return true;
}

bool Cryptographer::isClear() const
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return false;
    const bool keyIsZero = std::all_of(m_ekey.get(), m_ekey.get() + crypto::AES_EKEY_BLOCK_SIZE,
                                       [](unsigned char byte) { return 0 == byte; });
    return keyIsZero && m_passwordResetAuthcodes.empty() && m_userNameResetAuthcodes.empty();
}

std::optional<std::string> Cryptographer::createPassword(int length) const
{
    // 31 characters: no i, l, o, 0 or 1, which read alike.
    static const char alphabet[] = "abcdefghjkmnpqrstuvwxyz23456789";
    constexpr unsigned alphabetSize = sizeof(alphabet) - 1;

    QORV_ASSERT(0 < length);
    if (length <= 0)
        return std::nullopt;
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return std::nullopt;
    std::string characters;
    characters.reserve(static_cast<std::size_t>(length));
    unsigned char byte = 0;
    for (int i = 0; i < length; ++i) {
        if (1 != RAND_priv_bytes(&byte, 1)) {
            SecretText::Wipe(characters);
            throw std::runtime_error("RAND_priv_bytes failed");
        }
        characters.push_back(alphabet[byte % alphabetSize]);
    }
    OPENSSL_cleanse(&byte, sizeof(byte));
    std::optional<std::string> password(std::move(characters));
    // A short text is copied by the move: its bytes are still here.
    SecretText::Wipe(characters);
    return password;
}

std::optional<std::string> Cryptographer::createAuthcode() const
{
    return createPassword(6);
}

bool Cryptographer::setPasswordResetAuthcode(const std::string &authcodeKey, const std::string &authcode)
{
    if (!ValidAuthcodeKey(authcodeKey) || !ValidAuthcode(authcode))
        return false;
    return SetAuthcode(m_passwordResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey, authcode);
}

std::optional<std::string> Cryptographer::getPasswordResetAuthcode(const std::string &authcodeKey) const
{
    if (!ValidAuthcodeKey(authcodeKey))
        return std::nullopt;
    return GetAuthcode(m_passwordResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey);
}

bool Cryptographer::delPasswordResetAuthcode(const std::string &authcodeKey)
{
    if (!ValidAuthcodeKey(authcodeKey))
        return false;
    return DelAuthcode(m_passwordResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey);
}

bool Cryptographer::setUserNameResetAuthcode(const std::string &authcodeKey, const std::string &authcode)
{
    if (!ValidAuthcodeKey(authcodeKey) || !ValidAuthcode(authcode))
        return false;
    return SetAuthcode(m_userNameResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey, authcode);
}

std::optional<std::string> Cryptographer::getUserNameResetAuthcode(const std::string &authcodeKey) const
{
    if (!ValidAuthcodeKey(authcodeKey))
        return std::nullopt;
    return GetAuthcode(m_userNameResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey);
}

bool Cryptographer::delUserNameResetAuthcode(const std::string &authcodeKey)
{
    if (!ValidAuthcodeKey(authcodeKey))
        return false;
    return DelAuthcode(m_userNameResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey);
}

bool Cryptographer::setUserEmailAddressResetAuthcode(const std::string &authcodeKey, const std::string &authcode)
{
    if (!ValidAuthcodeKey(authcodeKey) || !ValidAuthcode(authcode))
        return false;
    return SetAuthcode(m_userEmailAddressResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey, authcode);
}

std::optional<std::string> Cryptographer::getUserEmailAddressResetAuthcode(const std::string &authcodeKey) const
{
    if (!ValidAuthcodeKey(authcodeKey))
        return std::nullopt;
    return GetAuthcode(m_userEmailAddressResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey);
}

bool Cryptographer::delUserEmailAddressResetAuthcode(const std::string &authcodeKey)
{
    if (!ValidAuthcodeKey(authcodeKey))
        return false;
    return DelAuthcode(m_userEmailAddressResetAuthcodes, Lock(m_mutex, m_lockFailureForTesting), authcodeKey);
}

bool Cryptographer::setMultiFactorAuthenticationAuthcode(std::int32_t number, const std::string &authcode)
{
    if (!ValidAuthcode(authcode))
        return false;
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return false;
    std::string &stored = m_multiFactorAuthenticationAuthcodes[number];
    SecretText::Wipe(stored);
    stored = authcode;
    return true;
}

std::optional<std::string> Cryptographer::getMultiFactorAuthenticationAuthcode(std::int32_t number) const
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return std::nullopt;
    const auto found = m_multiFactorAuthenticationAuthcodes.find(number);
    if (found == m_multiFactorAuthenticationAuthcodes.end())
        return std::nullopt;
    return found->second;
}

bool Cryptographer::delMultiFactorAuthenticationAuthcode(std::int32_t number)
{
    const Lock lock(m_mutex, m_lockFailureForTesting);
    if (!lock.taken())
        return false;
    const auto found = m_multiFactorAuthenticationAuthcodes.find(number);
    if (found == m_multiFactorAuthenticationAuthcodes.end())
        return false;
    SecretText::Wipe(found->second);
    m_multiFactorAuthenticationAuthcodes.erase(found);
    return true;
}

void Cryptographer::setLockFailureForTesting(bool fails)
{
    m_lockFailureForTesting = fails;
}
