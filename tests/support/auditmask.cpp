#include "auditmask.h"

#include "registry.h"

#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

namespace testsupport
{
void SetAuditMask(std::uint32_t mask)
{
    qorv::data::User user;
    user.set_user_id(1001);
    user.set_user_name("jdoe");
    user.mutable_user_security_descriptor()->set_audits(mask);
    RegistrySingleton::instance()->setUser(user);
}

void ClearUser()
{
    RegistrySingleton::instance()->clear();
}
}
