#ifndef AUTHENTICATEUSERRESPONDER_H
#define AUTHENTICATEUSERRESPONDER_H

#include "testserver.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace qorv::data
{
class User;
}

namespace testsupport
{
// Answers the log-on request (3) as the suite's server does, on the fixture
// keys: it opens the user-name hash, password hash and client time stamp with
// the server's private key, compares the hashes with the account it knows,
// and on a match answers with the session (key text, id, server time stamp)
// and the user's record, each field encrypted for the client's private key.
// The reply itself is sealed under the key the server holds at the time (all
// zero before log-on); the server switches to the new session key and the
// new session id once the reply is out.
//
//     AuthenticateUserResponder logOn(QORV_FIXTURE_KEY_DIR);
//     logOn.setAccount(crypto::HashUserName("ann"), crypto::HashPassword("secret"));
//     logOn.setUser(user);
//     server.onRequest(3, logOn.handler());
class AuthenticateUserResponder
{
public:
    explicit AuthenticateUserResponder(const std::string &keyDirectory);
    ~AuthenticateUserResponder();

    // False when the fixture keys could not be read.
    bool isValid() const;

    // The hashes a log-on must carry; an empty hash accepts any.
    void setAccount(const std::string &userNameHash, const std::string &passwordHash);
    // Refuses a matching log-on at the last step (user_session_inserted false).
    void setSessionRefused(bool refused);
    void setUser(const qorv::data::User &user);
    // One more account with its own record. Once any is added, a log-on is
    // matched against these accounts by its user-name hash, and the single
    // account above is no longer consulted.
    void addAccount(const std::string &userNameHash, const std::string &passwordHash, const qorv::data::User &user);
    // Forgets an added account: a log-on with its user-name hash finds no
    // name, as after the account's user name was changed.
    void removeAccount(const std::string &userNameHash);
    // Decides, instead of comparing with the account's password hash, whether
    // a log-on's password hash opens the account of that user-name hash: for
    // a server that keeps only the stored password form, as a password change
    // leaves it. Called on the server's thread.
    using PasswordCheck = std::function<bool(const std::string &userNameHash, const std::string &passwordHash)>;
    void setPasswordCheck(PasswordCheck check);
    void setSessionKey(const TestSessionKey &key);
    // Sends this text instead of the key's "\x"-prefixed hex form (to try
    // broken key texts).
    void setSessionKeyText(const std::string &text);
    void setSessionId(std::int32_t id);
    // Sends this text instead of the session id's decimal form (to try broken
    // session id texts); the reply header still carries the id.
    void setSessionIdText(const std::string &text);
    void setServerTimestamp(const std::string &timestamp);

    // The handler to install with TestServer::onRequest(3, ...). It shares
    // this responder's settings and records.
    TestServer::Handler handler() const;

    // What the last log-on request carried, as the server opened it.
    std::string lastUserNameHash() const;
    std::string lastPasswordHash() const;
    std::string lastClientTimestamp() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};
}

#endif // AUTHENTICATEUSERRESPONDER_H
