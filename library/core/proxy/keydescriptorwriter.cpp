#include "keydescriptorwriter.h"

#include "documentkeyproxy.h"
#include "folderkeyproxy.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

template <class KindProxy, class Key, class Target>
KeyDescriptorWriter<KindProxy, Key, Target>::KeyDescriptorWriter(Key &key)
    : m_key(&key)
{
}

template <class KindProxy, class Key, class Target>
KeyDescriptorWriter<KindProxy, Key, Target>::~KeyDescriptorWriter() = default;

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setDescription(const std::string &description)
{
    *(m_key->*KeyFields.description)() = description;
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setProperties(unsigned int properties)
{
    (m_key->*KeyFields.setProperties)(properties);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setProperty(KeyProxy::Property property, bool value)
{
    (m_key->*KeyFields.setProperties)(this->setBit(property, (m_key->*KeyFields.properties)(), value));
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setUserId(int id)
{
    user().set_user_id(id);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setUserLastName(const std::string &name)
{
    user().set_user_last_name(name);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setUserFirstName(const std::string &name)
{
    user().set_user_first_name(name);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setUserMiddleName(const std::string &name)
{
    user().set_user_middle_name(name);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setActiveRegion(const std::string &region)
{
    descriptor().set_active_region(region);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setActiveFrom(const std::string &time)
{
    descriptor().set_active_from(time);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setActiveTo(const std::string &time)
{
    descriptor().set_active_to(time);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setPassword(const std::string &password)
{
    descriptor().set_password(password);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setSessionDuration(int seconds)
{
    descriptor().set_session_duration(seconds);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setExpirationAction(KeyProxy::Action action)
{
    descriptor().set_expiration_action(action);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setActive(KeyProxy::Active active, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_active(this->setBit(active, target.active(), value));
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setPermission(Permission permission, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_permissions(this->setBit(permission, target.permissions(), value));
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setAudit(KeyProxy::Audit audit, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_audits(this->setBit(audit, target.audits(), value));
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::copyFrom(const Key &source)
{
    if (&source != m_key)
        m_key->CopyFrom(source);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setTargetId(int id)
{
    ((m_key->*KeyFields.target)()->*KeyFields.setTargetId)(id);
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::setTargetName(const std::string &name)
{
    *((m_key->*KeyFields.target)()->*KeyFields.targetName)() = name;
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::storeCreationDate(const std::string &date)
{
    *(m_key->*KeyFields.creationDate)() = date;
}

template <class KindProxy, class Key, class Target>
void KeyDescriptorWriter<KindProxy, Key, Target>::storeExpirationDate(const std::string &date)
{
    descriptor().set_expiration_date(date);
}

template <class KindProxy, class Key, class Target>
qorv::data::User &KeyDescriptorWriter<KindProxy, Key, Target>::user()
{
    return *(m_key->*KeyFields.user)();
}

template <class KindProxy, class Key, class Target>
qorv::data::SecurityDescriptor &KeyDescriptorWriter<KindProxy, Key, Target>::descriptor()
{
    return *(m_key->*KeyFields.descriptor)();
}

// Where each kind of key keeps the record it opens, its user and its
// descriptor, and the fields of its own, in the order of Fields.

using qorv::data::Document;
using qorv::data::DocumentKey;
using qorv::data::Folder;
using qorv::data::FolderKey;

using DocumentKeyWriterBase = KeyDescriptorWriter<DocumentKeyProxy, DocumentKey, Document>;
template <>
const DocumentKeyWriterBase::Fields DocumentKeyWriterBase::KeyFields{
    &DocumentKey::mutable_document_key_document,
    &Document::set_document_id,
    &Document::mutable_document_name,
    &DocumentKey::mutable_document_key_user,
    &DocumentKey::mutable_document_key_security_descriptor,
    &DocumentKey::mutable_document_key_description,
    &DocumentKey::document_key_properties,
    &DocumentKey::set_document_key_properties,
    &DocumentKey::mutable_document_key_creation_date};
template class KeyDescriptorWriter<DocumentKeyProxy, DocumentKey, Document>;

using FolderKeyWriterBase = KeyDescriptorWriter<FolderKeyProxy, FolderKey, Folder>;
template <>
const FolderKeyWriterBase::Fields FolderKeyWriterBase::KeyFields{&FolderKey::mutable_folder_key_folder,
                                                                 &Folder::set_folder_id,
                                                                 &Folder::mutable_folder_name,
                                                                 &FolderKey::mutable_folder_key_user,
                                                                 &FolderKey::mutable_folder_key_security_descriptor,
                                                                 &FolderKey::mutable_folder_key_description,
                                                                 &FolderKey::folder_key_properties,
                                                                 &FolderKey::set_folder_key_properties,
                                                                 &FolderKey::mutable_folder_key_creation_date};
template class KeyDescriptorWriter<FolderKeyProxy, FolderKey, Folder>;
