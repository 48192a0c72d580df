#ifndef AUTHENTICATEUSERCLIENTPKIHANDLER_H
#define AUTHENTICATEUSERCLIENTPKIHANDLER_H

#include "clientpkihandler.h"

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

    void setUserNameHash(const std::string &userNameHash);
    void setUserPasswordHash(const std::string &userPasswordHash);

    // Fills the six request fields only when all three texts encrypted;
    // otherwise returns the first failing code and leaves the request as it was.
    std::int32_t encryptRequest(qorv::data::AuthenticateUserRequest &request);

    // Decrypts the three session fields, then the user's fields one by one
    // into user; the first failure ends the work and its code is returned.
    // A number field that holds no decimal number throws std::invalid_argument
    // or std::out_of_range ("stoi").
    std::int32_t decryptReply(const qorv::data::AuthenticateUserReply &reply, qorv::data::User &user);

    std::string getDecryptedServerTimestamp() const;
    std::string getDecryptedServerEncryptionKey() const;
    std::string getDecryptedServerSessionId() const;
    // The handler's construction time as "YYYY-MM-DDTHH:MM:SS" (UTC).
    std::string getClientTimestamp() const;

    static constexpr std::size_t UserFieldCount = 23;

private:
    std::int32_t encryptUserName();
    std::int32_t encryptUserPassword();
    std::int32_t encryptTimestamp();
    std::int32_t decryptServerTimestamp(const qorv::data::AuthenticateUserReply &reply);
    std::int32_t decryptServerEncryptionKey(const qorv::data::AuthenticateUserReply &reply);
    std::int32_t decryptServerSessionId(const qorv::data::AuthenticateUserReply &reply);
    std::int32_t decryptUser(const qorv::data::AuthenticateUserReply &reply, qorv::data::User &user);

    Buffer m_encryptedUserName;
    std::uint64_t m_encryptedUserNameLen;
    std::string m_userNameHash;
    std::string m_userPasswordHash;
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
