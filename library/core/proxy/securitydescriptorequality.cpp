#include "securitydescriptorequality.h"

#include "securitydescriptor3.pb.h"

namespace qorv::data
{
bool operator==(const SecurityDescriptor &left, const SecurityDescriptor &right)
{
    return left.active() == right.active() && left.active_region() == right.active_region()
           && left.active_from() == right.active_from() && left.active_to() == right.active_to()
           && left.audits() == right.audits() && left.password() == right.password()
           && left.permissions() == right.permissions() && left.session_duration() == right.session_duration()
           && left.expiration_date() == right.expiration_date()
           && left.expiration_action() == right.expiration_action();
}

bool operator!=(const SecurityDescriptor &left, const SecurityDescriptor &right)
{
    return !(left == right);
}
}
