#ifndef USERSERVER_H
#define USERSERVER_H

#include "userproxy.h"

namespace qorv::data
{
class User;
}

// Reloads a user record that the caller owns from the server, with one
// blocking exchange that bypasses the bus (no window sees it, no audit line
// is written).
class UserServer : public UserProxy
{
public:
    explicit UserServer(qorv::data::User &user);
    ~UserServer() override;

    UserServer(const UserServer &) = delete;
    UserServer &operator=(const UserServer &) = delete;

    // Replaces the record by the server's copy of the user with the same id.
    // False, with the record unchanged, when the exchange fails or the reply
    // does not carry exactly one user.
    [[nodiscard]] bool reload();

private:
    qorv::data::User *m_user;
};

#endif // USERSERVER_H
