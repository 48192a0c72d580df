#ifndef CRYPTOGRAPHER_H
#define CRYPTOGRAPHER_H

#include <ace/Singleton.h>
#include <ace/Thread_Mutex.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

// The process-wide security service: holds the AES session key of the wire
// frames and offers the user-name and password hashes, the stored-password
// form and tables of authorization codes.
//
// A lock that cannot be taken yields the neutral result of each operation,
// and every text it would have made is absent rather than empty: an empty
// text could otherwise be hashed and sent in place of a password, a user name
// or a code. The session key and the codes are wiped with OPENSSL_cleanse.
class Cryptographer
{
public:
    Cryptographer();
    virtual ~Cryptographer();

    Cryptographer(const Cryptographer &) = delete;
    Cryptographer &operator=(const Cryptographer &) = delete;

    // The 16-byte key buffer, or null when the lock cannot be taken; callers
    // read and write it without the lock.
    [[nodiscard]] unsigned char *getEkey() const;

    // The 64-character (hashMessage: 40-character) hexadecimal hash; none
    // when the lock cannot be taken.
    [[nodiscard]] std::optional<std::string> hashUserName(const std::string &userName) const;
    [[nodiscard]] std::optional<std::string> hashPassword(const std::string &password) const;
    [[nodiscard]] std::optional<std::string> hashMessage(const std::string &message) const;
    [[nodiscard]] std::string encodePassword(const std::string &pass) const;
    [[nodiscard]] bool decodePassword(const std::string &pass, const std::string &stored) const;

    // Zeroes the key and empties the password-reset and user-name-reset codes;
    // false, with nothing changed, when the lock cannot be taken.
    [[nodiscard]] bool clear();
    [[nodiscard]] bool isClear() const;

    // None when the lock cannot be taken.
    [[nodiscard]] std::optional<std::string> createPassword(int length) const;
    [[nodiscard]] std::optional<std::string> createAuthcode() const;

    // The setters and removers are false when the lock cannot be taken (a
    // remover also when there was no code); the getters give no code then,
    // nor when none is stored.
    [[nodiscard]] bool setPasswordResetAuthcode(const std::string &authcodeKey, const std::string &authcode);
    [[nodiscard]] std::optional<std::string> getPasswordResetAuthcode(const std::string &authcodeKey) const;
    [[nodiscard]] bool delPasswordResetAuthcode(const std::string &authcodeKey);

    [[nodiscard]] bool setUserNameResetAuthcode(const std::string &authcodeKey, const std::string &authcode);
    [[nodiscard]] std::optional<std::string> getUserNameResetAuthcode(const std::string &authcodeKey) const;
    [[nodiscard]] bool delUserNameResetAuthcode(const std::string &authcodeKey);

    [[nodiscard]] bool setUserEmailAddressResetAuthcode(const std::string &authcodeKey, const std::string &authcode);
    [[nodiscard]] std::optional<std::string> getUserEmailAddressResetAuthcode(const std::string &authcodeKey) const;
    [[nodiscard]] bool delUserEmailAddressResetAuthcode(const std::string &authcodeKey);

    [[nodiscard]] bool setMultiFactorAuthenticationAuthcode(std::int32_t number, const std::string &authcode);
    [[nodiscard]] std::optional<std::string> getMultiFactorAuthenticationAuthcode(std::int32_t number) const;
    [[nodiscard]] bool delMultiFactorAuthenticationAuthcode(std::int32_t number);

    // Test seam: while set, every attempt to take the lock fails, as it would
    // with a broken mutex. The system never contends for it, so nothing else
    // can make that failure happen.
    void setLockFailureForTesting(bool fails);

private:
    using AuthcodeTable = std::unordered_map<std::string, std::string>;

    mutable ACE_Thread_Mutex m_mutex;
    std::unique_ptr<unsigned char[]> m_ekey;
    AuthcodeTable m_passwordResetAuthcodes;
    AuthcodeTable m_userNameResetAuthcodes;
    AuthcodeTable m_userEmailAddressResetAuthcodes;
    std::unordered_map<std::int32_t, std::string> m_multiFactorAuthenticationAuthcodes;
    std::atomic<bool> m_lockFailureForTesting;
};

using CryptographerSingleton = ACE_Singleton<Cryptographer, ACE_Thread_Mutex>;

#endif // CRYPTOGRAPHER_H
