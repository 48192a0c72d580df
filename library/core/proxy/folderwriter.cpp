#include "folderwriter.h"

#include "currenttimestamp.h"
#include "dbid.h"
#include "dbtimestamp.h"
#include "securitydescriptorwriter.h"

#include "folder3.pb.h"

namespace
{
// Switched on in every month and on every weekday.
constexpr unsigned int EverythingActive = 0xFFFFFu;
// Bits 0 to 6, the reserved ones included.
constexpr unsigned int EveryFolderPermission = 0x7Fu;
}

FolderWriter::FolderWriter(qorv::data::Folder &folder, Initialization initialization)
    : m_folder(&folder)
{
    if (initialization == NoDefaults)
        return;

    // Read before anything is written, so that a clock failure leaves the
    // record as it was.
    const std::string now = records::CurrentTimestamp().toDbString();

    qorv::data::SecurityDescriptor &descriptor = *m_folder->mutable_folder_security_descriptor();

    m_folder->set_folder_id(DbId::m_NullId);
    m_folder->set_folder_user_id(DbId::m_NullId);
    m_folder->set_folder_parent_id(DbId::m_NullId);
    m_folder->set_folder_name(std::string());
    m_folder->set_folder_description(std::string());
    m_folder->set_folder_properties(0);
    m_folder->set_folder_creation_date(now);

    if (initialization == PermissiveDefaults) {
        const SecurityDescriptorWriter defaults(descriptor, SecurityDescriptorWriter::PermissiveDefaults);
        descriptor.set_active(EverythingActive);
        descriptor.set_permissions(EveryFolderPermission);
    } else if (initialization == RestrictiveDefaults) {
        const SecurityDescriptorWriter defaults(descriptor, SecurityDescriptorWriter::RestrictiveDefaults);
    }
}

FolderWriter::~FolderWriter() = default;
