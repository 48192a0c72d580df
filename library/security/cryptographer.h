#ifndef CRYPTOGRAPHER_H
#define CRYPTOGRAPHER_H

#include <ace/Singleton.h>
#include <ace/Thread_Mutex.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

// The process-wide security service: holds the AES session key of the wire
// frames and offers the user-name and password hashes, the stored-password
// form and tables of authorization codes. A lock that cannot be taken yields
// the neutral result of each operation.
class Cryptographer
{
public:
    Cryptographer();
    virtual ~Cryptographer();

    Cryptographer(const Cryptographer &) = delete;
    Cryptographer &operator=(const Cryptographer &) = delete;

    // The 16-byte key buffer; callers read and write it without the lock.
    unsigned char *getEkey() const;

    std::string hashUserName(const std::string &userName) const;
    std::string hashPassword(const std::string &password) const;
    std::string hashMessage(const std::string &message) const;
    std::string encodePassword(const std::string &pass) const;
    bool decodePassword(const std::string &pass, const std::string &stored) const;

    // Zeroes the key and empties the password-reset and user-name-reset codes.
    void clear();
    bool isClear() const;

    std::string createPassword(int length) const;
    std::string createAuthcode() const;

    bool setPasswordResetAuthcode(const std::string &authcodeKey, const std::string &authcode);
    std::string getPasswordResetAuthcode(const std::string &authcodeKey) const;
    bool delPasswordResetAuthcode(const std::string &authcodeKey);

    bool setUserNameResetAuthcode(const std::string &authcodeKey, const std::string &authcode);
    std::string getUserNameResetAuthcode(const std::string &authcodeKey) const;
    bool delUserNameResetAuthcode(const std::string &authcodeKey);

    bool setUserEmailAddressResetAuthcode(const std::string &authcodeKey, const std::string &authcode);
    std::string getUserEmailAddressResetAuthcode(const std::string &authcodeKey) const;
    bool delUserEmailAddressResetAuthcode(const std::string &authcodeKey);

    bool setMultiFactorAuthenticationAuthcode(std::int32_t number, const std::string &authcode);
    std::string getMultiFactorAuthenticationAuthcode(std::int32_t number) const;
    bool delMultiFactorAuthenticationAuthcode(std::int32_t number);

private:
    using AuthcodeTable = std::unordered_map<std::string, std::string>;

    mutable ACE_Thread_Mutex m_mutex;
    std::unique_ptr<unsigned char[]> m_ekey;
    AuthcodeTable m_passwordResetAuthcodes;
    AuthcodeTable m_userNameResetAuthcodes;
    AuthcodeTable m_userEmailAddressResetAuthcodes;
    std::unordered_map<std::int32_t, std::string> m_multiFactorAuthenticationAuthcodes;
};

using CryptographerSingleton = ACE_Singleton<Cryptographer, ACE_Thread_Mutex>;

#endif // CRYPTOGRAPHER_H
