#include "securitydescriptorwriter.h"

#include "dbtimestamp.h"

#include "securitydescriptor3.pb.h"

namespace
{
const char *const MidnightTime = "00:00:00";
}

SecurityDescriptorWriter::SecurityDescriptorWriter(qorv::data::SecurityDescriptor &descriptor,
                                                   Initialization initialization)
    : m_descriptor(&descriptor)
{
    if (initialization == NoDefaults)
        return;

    m_descriptor->set_active(0);
    // The region is the key maker's choice, not the user's default region.
    m_descriptor->set_active_region(std::string());
    m_descriptor->set_active_from(MidnightTime);
    m_descriptor->set_active_to(MidnightTime);
    m_descriptor->set_audits(0);
    m_descriptor->set_password(std::string());
    m_descriptor->set_permissions(0);
    m_descriptor->set_session_duration(0);
    m_descriptor->set_expiration_action(0);

    if (initialization == PermissiveDefaults)
        m_descriptor->set_expiration_date(DbTimestamp(DbTimestamp::m_MaxTimestamp).toDbString());
    else if (initialization == RestrictiveDefaults)
        m_descriptor->set_expiration_date(DbTimestamp(DbTimestamp::m_MinTimestamp).toDbString());
}

SecurityDescriptorWriter::~SecurityDescriptorWriter() = default;
