#include "groupkeyreader.h"

#include "datetimefields.h"
#include "dbid.h"
#include "displayname.h"

#include "groupkey3.pb.h"

#include <QtGlobal>

#include <boost/date_time/gregorian/gregorian.hpp>

#include <exception>

GroupKeyReader::GroupKeyReader(const qorv::data::GroupKey &groupKey)
    : m_groupKey(&groupKey)
{
}

GroupKeyReader::~GroupKeyReader() = default;

GroupKeyReader::operator const qorv::data::GroupKey &() const
{
    return *m_groupKey;
}

int GroupKeyReader::groupId() const
{
    const qorv::data::Group &group = m_groupKey->group_key_group();
    return group.has_group_id() ? group.group_id() : DbId::m_NullId;
}

std::string GroupKeyReader::groupName() const
{
    return m_groupKey->group_key_group().group_name();
}

int GroupKeyReader::userId() const
{
    const qorv::data::User &user = m_groupKey->group_key_user();
    return user.has_user_id() ? user.user_id() : DbId::m_NullId;
}

std::string GroupKeyReader::userLastName() const
{
    return m_groupKey->group_key_user().user_last_name();
}

std::string GroupKeyReader::userFirstName() const
{
    return m_groupKey->group_key_user().user_first_name();
}

std::string GroupKeyReader::userMiddleName() const
{
    return m_groupKey->group_key_user().user_middle_name();
}

std::string GroupKeyReader::description() const
{
    return m_groupKey->group_key_description();
}

std::string GroupKeyReader::creationDate() const
{
    return m_groupKey->group_key_creation_date();
}

std::string GroupKeyReader::userDisplayName() const
{
    return records::DisplayName(userFirstName(), userMiddleName(), userLastName());
}

std::string GroupKeyReader::userDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(userFirstName(), userMiddleName(), userLastName());
}

std::string GroupKeyReader::creationDateDisplay() const
{
    const std::string text = creationDate();
    if (text.empty())
        return std::string();
    // Only the leading year, month and day are read; the time of day that
    // follows them is never shown.
    boost::gregorian::date date(boost::gregorian::not_a_date_time);
    try {
        if (utils::DateFieldsFit(text))
            date = boost::gregorian::from_string(text);
    } catch (const std::exception &) {
        // Left as not-a-date for the check below.
    }
    // The text comes from the server: a bad one is its fault, not ours.
    if (date.is_special()) {
        qWarning("GroupKeyReader: unreadable creation date!");
        return std::string();
    }
    return boost::gregorian::to_iso_extended_string(date);
}

bool operator==(const GroupKeyReader &left, const GroupKeyReader &right)
{
    return left.groupId() == right.groupId() && left.userId() == right.userId()
           && left.userLastName() == right.userLastName() && left.userFirstName() == right.userFirstName()
           && left.userMiddleName() == right.userMiddleName() && left.userDisplayName() == right.userDisplayName()
           && left.userDisplayNameAlphabetical() == right.userDisplayNameAlphabetical()
           && left.description() == right.description() && left.groupName() == right.groupName();
}

bool operator!=(const GroupKeyReader &left, const GroupKeyReader &right)
{
    return !(left == right);
}
