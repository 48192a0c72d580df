#ifndef USERWRITER_H
#define USERWRITER_H

#include "userproxy.h"

#include <string>

namespace qorv::data
{
class User;
}

// Sets the fields of a user record that the caller owns. The ids, the user,
// first and last names and the e-mail address must not be null or empty: such
// a value is reported as a failed precondition and not written.
class UserWriter : public UserProxy
{
public:
    explicit UserWriter(qorv::data::User &user);
    ~UserWriter() override;

    UserWriter(const UserWriter &) = delete;
    UserWriter &operator=(const UserWriter &) = delete;

    void setId(int id);
    void setGroupId(int id);
    void setName(const std::string &name);
    void setLastName(const std::string &name);
    void setFirstName(const std::string &name);
    void setMiddleName(const std::string &name);
    void setDescription(const std::string &description);
    void setEmailAddress(const std::string &address);
    void setProperties(unsigned int properties);
    void setProperty(Property property, bool value);

private:
    qorv::data::User *m_user;
};

#endif // USERWRITER_H
