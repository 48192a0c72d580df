#include "registry.h"

#include "qorvassert.h"

Registry::Registry() = default;

Registry::~Registry() = default;

qorv::data::User &Registry::getUser()
{
    return m_user;
}

const qorv::data::User &Registry::getUser() const
{
    return m_user;
}

std::string Registry::getUserName() const
{
    return m_user.has_user_name() ? m_user.user_name() : std::string();
}

std::string Registry::getUserPassword() const
{
    if (!m_user.has_user_security_descriptor())
        return std::string();
    const qorv::data::SecurityDescriptor &descriptor = m_user.user_security_descriptor();
    return descriptor.has_password() ? descriptor.password() : std::string();
}

void Registry::setUser(const qorv::data::User &user)
{
    m_user.CopyFrom(user);
}

void Registry::setUserName(const std::string &userName)
{
    QORV_ASSERT(!userName.empty());
    m_user.set_user_name(userName);
}

void Registry::setUserPassword(const std::string &userPassword)
{
    QORV_ASSERT(!userPassword.empty());
    m_user.mutable_user_security_descriptor()->set_password(userPassword);
}

void Registry::clear()
{
    m_user.Clear();
}
