#include "keyrules.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

namespace testsupport
{
KeyRules::KeyRules()
{
    m_descriptor.set_active(0xFFFFF);
    m_descriptor.set_active_region("Europe/Berlin");
    m_descriptor.set_active_from("00:00:00");
    m_descriptor.set_active_to("00:00:00");
    m_descriptor.set_audits(0);
    m_descriptor.set_password("");
    m_descriptor.set_permissions(0x1);
    m_descriptor.set_session_duration(0);
    m_descriptor.set_expiration_date("9999-12-31 00:00:00");
    m_descriptor.set_expiration_action(0);
}

KeyRules &KeyRules::active(std::uint32_t active)
{
    m_descriptor.set_active(active);
    return *this;
}

KeyRules &KeyRules::hours(const std::string &region, const std::string &from, const std::string &to)
{
    m_descriptor.set_active_region(region);
    m_descriptor.set_active_from(from);
    m_descriptor.set_active_to(to);
    return *this;
}

KeyRules &KeyRules::expiration(const std::string &expirationDate)
{
    m_descriptor.set_expiration_date(expirationDate);
    return *this;
}

KeyRules &KeyRules::permissions(std::uint32_t permissions)
{
    m_descriptor.set_permissions(permissions);
    return *this;
}

KeyRules &KeyRules::passcode(const std::string &storedPasscode)
{
    m_descriptor.set_password(storedPasscode);
    return *this;
}

const qorv::data::SecurityDescriptor &KeyRules::descriptor() const
{
    return m_descriptor;
}

qorv::data::DocumentKey DocumentKeyWith(const qorv::data::SecurityDescriptor &descriptor)
{
    qorv::data::DocumentKey key;
    key.mutable_document_key_document()->set_document_id(7);
    key.mutable_document_key_document()->set_document_name("Budget 2024");
    key.mutable_document_key_user()->set_user_id(42);
    key.mutable_document_key_user()->set_user_first_name("Ann");
    key.mutable_document_key_user()->set_user_last_name("Lee");
    key.mutable_document_key_owner()->set_user_id(5);
    key.set_document_key_description("For review");
    key.set_document_key_document_revision("9999-12-31 00:00:00");
    key.set_document_key_creation_date("2024-01-02 03:04:05");
    *key.mutable_document_key_security_descriptor() = descriptor;
    return key;
}

qorv::data::FolderKey FolderKeyWith(const qorv::data::SecurityDescriptor &descriptor)
{
    qorv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(11);
    key.mutable_folder_key_folder()->set_folder_name("Projects");
    key.mutable_folder_key_user()->set_user_id(42);
    key.mutable_folder_key_user()->set_user_first_name("Ann");
    key.mutable_folder_key_user()->set_user_last_name("Lee");
    key.mutable_folder_key_owner()->set_user_id(5);
    key.set_folder_key_description("Shared");
    key.set_folder_key_creation_date("2024-01-02 03:04:05");
    *key.mutable_folder_key_security_descriptor() = descriptor;
    return key;
}

std::uint32_t AllActiveBut(unsigned int bit)
{
    return 0xFFFFFu & ~(1u << bit);
}
}
