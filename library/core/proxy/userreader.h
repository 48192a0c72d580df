#ifndef USERREADER_H
#define USERREADER_H

#include "dbid.h"
#include "userproxy.h"

#include <string>

namespace qorv::data
{
class User;
}

// A read-only view over a user record that the caller owns and keeps alive.
// An absent field reads as the null id, 0, the empty text or false; a date
// that cannot be read gives the empty text.
class UserReader : public UserProxy
{
public:
    explicit UserReader(const qorv::data::User &user);
    ~UserReader() override;

    operator const qorv::data::User &() const;

    DbId id() const;
    DbId groupId() const;
    std::string userName() const;
    std::string lastName() const;
    std::string firstName() const;
    std::string middleName() const;
    std::string description() const;
    std::string emailAddress() const;
    unsigned int properties() const;
    bool property(Property property) const;
    // The ISO basic form in UTC, "20240305T140709Z".
    std::string creationDate() const;
    // The display form in UTC, "2024-03-05 14:07:09".
    std::string creationDateDisplay() const;

    // "Anna Lee Smith" and "Smith, Anna Lee". Unlike the names in keys and
    // messages these go by presence: a name that is present but empty still
    // takes its place, blanks and all.
    std::string displayName() const;
    std::string displayNameAlphabetical() const;

    // Id and group set, first and last name not empty.
    bool isValid() const;

private:
    const qorv::data::User *m_user;
};

#endif // USERREADER_H
