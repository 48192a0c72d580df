#ifndef SECURITYDESCRIPTORWRITER_H
#define SECURITYDESCRIPTORWRITER_H

#include "securitydescriptorproxy.h"

namespace qorv::data
{
class SecurityDescriptor;
}

// Gives a security descriptor that the caller owns its default values: no
// switch, month, weekday, audit, passcode, permission or session limit, no
// region, hours "00:00:00" to "00:00:00", and an expiration that never comes
// (permissive) or lies long past (restrictive). With NoDefaults it only binds.
class SecurityDescriptorWriter : public SecurityDescriptorProxy
{
public:
    SecurityDescriptorWriter(qorv::data::SecurityDescriptor &descriptor, Initialization initialization);
    ~SecurityDescriptorWriter() override;

    SecurityDescriptorWriter(const SecurityDescriptorWriter &) = delete;
    SecurityDescriptorWriter &operator=(const SecurityDescriptorWriter &) = delete;

private:
    qorv::data::SecurityDescriptor *m_descriptor;
};

#endif // SECURITYDESCRIPTORWRITER_H
