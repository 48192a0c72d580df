#include "userwriter.h"

#include "dbid.h"
#include "qorvassert.h"

#include "user3.pb.h"

UserWriter::UserWriter(qorv::data::User &user)
    : m_user(&user)
{
}

UserWriter::~UserWriter() = default;

void UserWriter::setId(int id)
{
    const DbId dbId(id);
    QORV_ASSERT(!dbId.null());
    if (dbId.null())
        return;
    m_user->set_user_id(id);
}

void UserWriter::setGroupId(int id)
{
    const DbId dbId(id);
    QORV_ASSERT(!dbId.null());
    if (dbId.null())
        return;
    m_user->set_user_group_id(id);
}

void UserWriter::setName(const std::string &name)
{
    QORV_ASSERT(!name.empty());
    if (name.empty())
        return;
    m_user->set_user_name(name);
}

void UserWriter::setLastName(const std::string &name)
{
    QORV_ASSERT(!name.empty());
    if (name.empty())
        return;
    m_user->set_user_last_name(name);
}

void UserWriter::setFirstName(const std::string &name)
{
    QORV_ASSERT(!name.empty());
    if (name.empty())
        return;
    m_user->set_user_first_name(name);
}

void UserWriter::setMiddleName(const std::string &name)
{
    m_user->set_user_middle_name(name);
}

void UserWriter::setDescription(const std::string &description)
{
    m_user->set_user_description(description);
}

void UserWriter::setEmailAddress(const std::string &address)
{
    QORV_ASSERT(!address.empty());
    if (address.empty())
        return;
    m_user->set_user_email_address(address);
}

void UserWriter::setProperties(unsigned int properties)
{
    m_user->set_user_properties(properties);
}

void UserWriter::setProperty(Property property, bool value)
{
    m_user->set_user_properties(setBit(property, m_user->user_properties(), value));
}
