#include "groupreader.h"

#include "dbtimestamp.h"

#include "group3.pb.h"

GroupReader::GroupReader(const qorv::data::Group &group)
    : m_group(&group)
{
}

GroupReader::~GroupReader() = default;

GroupReader::operator const qorv::data::Group &() const
{
    return *m_group;
}

DbId GroupReader::id() const
{
    return m_group->has_group_id() ? m_group->group_id() : DbId::m_NullId;
}

std::string GroupReader::name() const
{
    return m_group->group_name();
}

std::string GroupReader::description() const
{
    return m_group->group_description();
}

unsigned int GroupReader::properties() const
{
    return m_group->group_properties();
}

bool GroupReader::property(Property property) const
{
    return getBit(property, properties());
}

std::string GroupReader::creationDate() const
{
    if (!m_group->has_group_creation_date())
        return std::string();
    return DbTimestamp(m_group->group_creation_date()).toIsoString();
}

std::string GroupReader::creationDateDisplay() const
{
    if (!m_group->has_group_creation_date())
        return std::string();
    return DbTimestamp(m_group->group_creation_date()).toDisplayString();
}
