#ifndef AUTHENTICATEUSERCLIENTPKIHANDLER_H
#define AUTHENTICATEUSERCLIENTPKIHANDLER_H

#include "clientpkihandler.h"
#include "secrettext.h"

#include <array>

namespace qorv::data
{
class AuthenticateUserReply;
class AuthenticateUserRequest;
class User;
}

// The RSA layer of the log-on: encrypts the user-name and password hashes and
// the client's time stamp for the server, and decrypts the session and the
// user's record from the server's answer.
class AuthenticateUserClientPkiHandler : public ClientPkiHandler
{
public:
    AuthenticateUserClientPkiHandler();
    virtual ~AuthenticateUserClientPkiHandler();

    // The hashes stand in for the user's name and password: they are taken
    // over (move them in) and wiped with the handler.
    void setUserNameHash(std::string userNameHash);
    void setUserPasswordHash(std::string userPasswordHash);

    // Fills the six request fields only when all three texts encrypted;
    // otherwise returns the first failing code and leaves the request as it was.
    [[nodiscard]] std::int32_t encryptRequest(qorv::data::AuthenticateUserRequest &request);

    // Decrypts the three session fields, then the user's fields one by one
    // into user; the first failure ends the work and its code is returned. A
    // number field whose plaintext holds no decimal number in the signed
    // 32-bit range fails with AUTH_CODE_NOT_A_NUMBER and is not set.
    [[nodiscard]] std::int32_t decryptReply(const qorv::data::AuthenticateUserReply &reply, qorv::data::User &user);

    std::string getDecryptedServerTimestamp() const;
    std::string getDecryptedServerEncryptionKey() const;
    std::string getDecryptedServerSessionId() const;
    // The handler's construction time as "YYYY-MM-DDTHH:MM:SS" (UTC).
    std::string getClientTimestamp() const;

    static constexpr std::size_t UserFieldCount = 23;

private:
    [[nodiscard]] std::int32_t encryptUserName();
    [[nodiscard]] std::int32_t encryptUserPassword();
    [[nodiscard]] std::int32_t encryptTimestamp();
    [[nodiscard]] std::int32_t decryptServerTimestamp(const qorv::data::AuthenticateUserReply &reply);
    [[nodiscard]] std::int32_t decryptServerEncryptionKey(const qorv::data::AuthenticateUserReply &reply);
    [[nodiscard]] std::int32_t decryptServerSessionId(const qorv::data::AuthenticateUserReply &reply);
    [[nodiscard]] std::int32_t decryptUser(const qorv::data::AuthenticateUserReply &reply, qorv::data::User &user);

    Buffer m_encryptedUserName;
    std::uint64_t m_encryptedUserNameLen;
    SecretText m_userNameHash;
    SecretText m_userPasswordHash;
    Buffer m_encryptedUserPassword;
    std::uint64_t m_encryptedUserPasswordLen;
    Buffer m_encryptedTimestamp;
    std::uint64_t m_encryptedTimestampLen;
    Buffer m_decryptedServerTimestamp;
    std::uint64_t m_decryptedServerTimestampLen;
    Buffer m_decryptedServerEncryptionKey;
    std::uint64_t m_decryptedServerEncryptionKeyLen;
    Buffer m_decryptedServerSessionId;
    std::uint64_t m_decryptedServerSessionIdLen;
    // The user's fields in the order the reply is decrypted.
    std::array<Buffer, UserFieldCount> m_decryptedUserFields;
    std::array<std::uint64_t, UserFieldCount> m_decryptedUserFieldLens;
};

#endif // AUTHENTICATEUSERCLIENTPKIHANDLER_H
