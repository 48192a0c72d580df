#ifndef GROUPREADER_H
#define GROUPREADER_H

#include "dbid.h"
#include "groupproxy.h"

#include <string>

namespace qorv::data
{
class Group;
}

// A read-only view over a user group that the caller owns and keeps alive.
// An absent field reads as the null id, the empty text or 0; a date that
// cannot be read gives the empty text.
class GroupReader : public GroupProxy
{
public:
    explicit GroupReader(const qorv::data::Group &group);
    ~GroupReader() override;

    operator const qorv::data::Group &() const;

    DbId id() const;
    std::string name() const;
    std::string description() const;
    unsigned int properties() const;
    bool property(Property property) const;
    // The ISO basic form in UTC, "20240305T140709Z".
    std::string creationDate() const;
    // The display form in UTC, "2024-03-05 14:07:09".
    std::string creationDateDisplay() const;

private:
    const qorv::data::Group *m_group;
};

#endif // GROUPREADER_H
