#include "userreader.h"

#include "dbtimestamp.h"
#include "displayname.h"

#include "user3.pb.h"

UserReader::UserReader(const qorv::data::User &user)
    : m_user(&user)
{
}

UserReader::~UserReader() = default;

UserReader::operator const qorv::data::User &() const
{
    return *m_user;
}

DbId UserReader::id() const
{
    return m_user->has_user_id() ? m_user->user_id() : DbId::m_NullId;
}

DbId UserReader::groupId() const
{
    return m_user->has_user_group_id() ? m_user->user_group_id() : DbId::m_NullId;
}

std::string UserReader::userName() const
{
    return m_user->user_name();
}

std::string UserReader::lastName() const
{
    return m_user->user_last_name();
}

std::string UserReader::firstName() const
{
    return m_user->user_first_name();
}

std::string UserReader::middleName() const
{
    return m_user->user_middle_name();
}

std::string UserReader::description() const
{
    return m_user->user_description();
}

std::string UserReader::emailAddress() const
{
    return m_user->user_email_address();
}

unsigned int UserReader::properties() const
{
    return m_user->user_properties();
}

bool UserReader::property(Property property) const
{
    return getBit(property, properties());
}

std::string UserReader::creationDate() const
{
    if (!m_user->has_user_creation_date())
        return std::string();
    return DbTimestamp(m_user->user_creation_date()).toIsoString();
}

std::string UserReader::creationDateDisplay() const
{
    if (!m_user->has_user_creation_date())
        return std::string();
    return DbTimestamp(m_user->user_creation_date()).toDisplayString();
}

std::string UserReader::displayName() const
{
    if (!m_user->has_user_last_name() || !m_user->has_user_first_name())
        return std::string();
    return records::ReadingOrderName(firstName(), middleName(), lastName(), m_user->has_user_middle_name());
}

std::string UserReader::displayNameAlphabetical() const
{
    if (!m_user->has_user_last_name() || !m_user->has_user_first_name())
        return std::string();
    return records::SortingOrderName(firstName(), middleName(), lastName(), m_user->has_user_middle_name());
}

bool UserReader::isValid() const
{
    return !id().null() && !groupId().null() && !lastName().empty() && !firstName().empty();
}
