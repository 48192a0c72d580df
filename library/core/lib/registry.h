#ifndef REGISTRY_H
#define REGISTRY_H

#include "user3.pb.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <string>

// The record of the logged-on user, for the whole process: filled by the
// log-on reply, cleared at log-on and log-off, read by every window and audit
// event that needs the user.
class Registry
{
public:
    Registry();
    virtual ~Registry();

    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    qorv::data::User &getUser();
    const qorv::data::User &getUser() const;

    std::string getUserName() const;
    // The stored-password form of the user's password, or empty.
    std::string getUserPassword() const;

    void setUser(const qorv::data::User &user);
    void setUserName(const std::string &userName);
    void setUserPassword(const std::string &userPassword);

    void clear();

private:
    qorv::data::User m_user;
};

// GUI thread only, hence no lock.
using RegistrySingleton = ACE_Singleton<Registry, ACE_Null_Mutex>;

#endif // REGISTRY_H
