#ifndef RESETRESPONDER_H
#define RESETRESPONDER_H

#include "testserver.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace testsupport
{
// Answers the exchanges of the forgotten user name (verify 75, reset 37) and
// the forgotten password (verify 73, reset 35) as the suite's server does, on
// the fixture keys: a verify for the account's address is answered with the
// authorization code encrypted for the client's private key; a reset is
// carried out when it names that address and code, and is refused otherwise.
// It records what each request carried, as the server opened it.
//
//     ResetResponder reset(QORV_FIXTURE_KEY_DIR);
//     reset.setUserEmailAddress("ann@example.com");
//     reset.setAuthcode("K7Q-22");
//     reset.install(server);
//     ... reset.userNameResets().at(0).value ...
class ResetResponder
{
public:
    // One reset request, opened.
    struct Reset
    {
        std::string userEmailAddress;
        std::string authcode;
        std::string value; // the user-name hash or the stored password form
    };

    explicit ResetResponder(const std::string &keyDirectory);
    ~ResetResponder();

    // False when the fixture keys could not be read.
    bool isValid() const;

    // A verify for any other address gets no code.
    void setUserEmailAddress(const std::string &address);
    // One more account's address, for a server with many accounts; they all
    // share the one authorization code.
    void addUserEmailAddress(const std::string &address);
    void setAuthcode(const std::string &authcode);
    // The hash of a user name another account has: a user-name reset to it
    // is refused with the SQL state "23505".
    void addTakenUserNameHash(const std::string &userNameHash);
    // Refuses every reset, as a server that takes the exchange but not the
    // change.
    void setResetRefused(bool refused);
    // The error codes of a refused verify or reset; (4, 0) unless set. (An
    // error word of 1 reads as success on the client.)
    void setRefusalErcodes(std::int32_t majorErcode, std::int32_t minorErcode);

    // Installs the four handlers (73, 75, 35, 37) on the server; they share
    // this responder's settings and records.
    void install(TestServer &server) const;

    // The addresses the verify requests carried, in order.
    std::vector<std::string> verifiedAddresses() const;
    std::vector<Reset> userNameResets() const;
    std::vector<Reset> passwordResets() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};
}

#endif // RESETRESPONDER_H
