#ifndef GROUPKEYREADER_H
#define GROUPKEYREADER_H

#include "groupkeyproxy.h"

#include <string>

namespace qorv::data
{
class GroupKey;
}

// A read-only view over a group key (one user's membership of one user group)
// that the caller owns and keeps alive. An absent field reads as the null id
// or the empty text.
class GroupKeyReader : public GroupKeyProxy
{
public:
    explicit GroupKeyReader(const qorv::data::GroupKey &groupKey);
    ~GroupKeyReader() override;

    operator const qorv::data::GroupKey &() const;

    int groupId() const;
    std::string groupName() const;

    // The member.
    int userId() const;
    std::string userLastName() const;
    std::string userFirstName() const;
    std::string userMiddleName() const;

    std::string description() const;
    // As stored.
    std::string creationDate() const;

    std::string userDisplayName() const;
    std::string userDisplayNameAlphabetical() const;
    // The date alone, "2024-03-05", as the record stores it (no conversion to
    // local time).
    std::string creationDateDisplay() const;

private:
    const qorv::data::GroupKey *m_groupKey;
};

// Equal when group, member and description agree; the creation date is left
// out.
bool operator==(const GroupKeyReader &left, const GroupKeyReader &right);
bool operator!=(const GroupKeyReader &left, const GroupKeyReader &right);

#endif // GROUPKEYREADER_H
