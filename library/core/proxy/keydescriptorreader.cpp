#include "keydescriptorreader.h"

#include "dbid.h"
#include "dbtimestamp.h"
#include "displayname.h"
#include "documentkeyproxy.h"
#include "folderkeyproxy.h"
#include "keydisplaytext.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <QtGlobal>

namespace
{
// The switch, the months and the weekdays; bits 20 to 31 mean nothing.
constexpr unsigned int ActiveMask = 0xFFFFFu;

// The seven weekday bits and the twelve month bits of the active word.
constexpr unsigned int WeekMask = 0x7Fu << KeyProxy::ActiveOnSunday;
constexpr unsigned int YearMask = 0xFFFu << KeyProxy::ActiveDuringJanuary;

int UserId(const qorv::data::User &user)
{
    return user.has_user_id() ? user.user_id() : DbId::m_NullId;
}
}

template <class KindProxy, class Key, class Target>
KeyDescriptorReader<KindProxy, Key, Target>::KeyDescriptorReader(const Key &key)
    : m_key(&key)
{
}

template <class KindProxy, class Key, class Target>
KeyDescriptorReader<KindProxy, Key, Target>::~KeyDescriptorReader() = default;

template <class KindProxy, class Key, class Target>
KeyDescriptorReader<KindProxy, Key, Target>::operator const Key &() const
{
    return *m_key;
}

template <class KindProxy, class Key, class Target>
int KeyDescriptorReader<KindProxy, Key, Target>::userId() const
{
    return UserId(user());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::userLastName() const
{
    return user().user_last_name();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::userFirstName() const
{
    return user().user_first_name();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::userMiddleName() const
{
    return user().user_middle_name();
}

template <class KindProxy, class Key, class Target>
int KeyDescriptorReader<KindProxy, Key, Target>::ownerId() const
{
    return UserId(owner());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::ownerLastName() const
{
    return owner().user_last_name();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::ownerFirstName() const
{
    return owner().user_first_name();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::ownerMiddleName() const
{
    return owner().user_middle_name();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::description() const
{
    return (m_key->*KeyFields.description)();
}

template <class KindProxy, class Key, class Target>
unsigned int KeyDescriptorReader<KindProxy, Key, Target>::properties() const
{
    return (m_key->*KeyFields.properties)();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::creationDate() const
{
    return (m_key->*KeyFields.creationDate)();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::activeRegion() const
{
    return descriptor().active_region();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::activeFrom() const
{
    return descriptor().active_from();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::activeTo() const
{
    return descriptor().active_to();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::password() const
{
    return descriptor().password();
}

template <class KindProxy, class Key, class Target>
int KeyDescriptorReader<KindProxy, Key, Target>::sessionDuration() const
{
    return descriptor().session_duration();
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::expirationDate() const
{
    return descriptor().expiration_date();
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::property(KeyProxy::Property property) const
{
    return this->getBit(property, properties());
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::active(KeyProxy::Active active) const
{
    return this->getBit(active, descriptor().active());
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::audit(KeyProxy::Audit audit) const
{
    return this->getBit(audit, descriptor().audits());
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::permission(Permission permission) const
{
    return this->getBit(permission, descriptor().permissions());
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::expirationAction(KeyProxy::Action action) const
{
    return this->getBit(action, descriptor().expiration_action());
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::activeDuringWeek() const
{
    return (descriptor().active() & WeekMask) != 0;
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::activeDuringYear() const
{
    return (descriptor().active() & YearMask) != 0;
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::noPermissions() const
{
    return (descriptor().permissions() & KindProxy::PermissionMask) == 0;
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::inactive() const
{
    return !(active(KeyProxy::ActiveStatus) && activeDuringWeek() && activeDuringYear() && !noPermissions());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::userDisplayName() const
{
    return records::DisplayName(userFirstName(), userMiddleName(), userLastName());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::userDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(userFirstName(), userMiddleName(), userLastName());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::ownerDisplayName() const
{
    return records::DisplayName(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::ownerDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::activeHoursDisplay() const
{
    return records::ActiveHoursDisplay(activeFrom(), activeTo());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::sessionDurationDisplay() const
{
    return records::SessionDurationDisplay(sessionDuration());
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::creationDateDisplay() const
{
    return records::LocalDisplayDate(creationDate());
}

template <class KindProxy, class Key, class Target>
int KeyDescriptorReader<KindProxy, Key, Target>::targetId() const
{
    const Target &target = (m_key->*KeyFields.target)();
    return (target.*KeyFields.hasTargetId)() ? (target.*KeyFields.targetId)() : DbId::m_NullId;
}

template <class KindProxy, class Key, class Target>
std::string KeyDescriptorReader<KindProxy, Key, Target>::targetName() const
{
    return ((m_key->*KeyFields.target)().*KeyFields.targetName)();
}

template <class KindProxy, class Key, class Target>
std::string
KeyDescriptorReader<KindProxy, Key, Target>::expirationDateText(std::string (*localText)(const std::string &date)) const
{
    const std::string date = expirationDate();
    // The date comes from the server: a bad one is its fault, not ours.
    if (!date.empty() && !DbTimestamp(date).isValid()) {
        qWarning("KeyDescriptorReader: unreadable expiration date!");
        return std::string();
    }
    return localText(date);
}

template <class KindProxy, class Key, class Target>
bool KeyDescriptorReader<KindProxy, Key, Target>::sameKey(const KeyDescriptorReader &other) const
{
    if (targetId() != other.targetId())
        return false;
    if (description() != other.description() || targetName() != other.targetName())
        return false;
    if (userId() != other.userId())
        return false;
    // The display names are made from these three alone, so they agree too.
    if (userLastName() != other.userLastName() || userFirstName() != other.userFirstName()
        || userMiddleName() != other.userMiddleName())
        return false;
    // Only the twenty meaningful bits of the active word count.
    if ((descriptor().active() & ActiveMask) != (other.descriptor().active() & ActiveMask))
        return false;
    if (activeFrom() != other.activeFrom() || activeTo() != other.activeTo() || activeRegion() != other.activeRegion()
        || sessionDuration() != other.sessionDuration() || expirationDate() != other.expirationDate()
        || password() != other.password())
        return false;
    constexpr unsigned int permissionMask = KindProxy::PermissionMask;
    return (descriptor().permissions() & permissionMask) == (other.descriptor().permissions() & permissionMask);
}

template <class KindProxy, class Key, class Target>
const qorv::data::User &KeyDescriptorReader<KindProxy, Key, Target>::user() const
{
    return (m_key->*KeyFields.user)();
}

template <class KindProxy, class Key, class Target>
const qorv::data::User &KeyDescriptorReader<KindProxy, Key, Target>::owner() const
{
    return (m_key->*KeyFields.owner)();
}

template <class KindProxy, class Key, class Target>
const qorv::data::SecurityDescriptor &KeyDescriptorReader<KindProxy, Key, Target>::descriptor() const
{
    return (m_key->*KeyFields.descriptor)();
}

// Where each kind of key keeps the record it opens, its users and its
// descriptor, and the fields of its own, in the order of Fields.

using qorv::data::Document;
using qorv::data::DocumentKey;
using qorv::data::Folder;
using qorv::data::FolderKey;

using DocumentKeyReaderBase = KeyDescriptorReader<DocumentKeyProxy, DocumentKey, Document>;
template <>
const DocumentKeyReaderBase::Fields DocumentKeyReaderBase::KeyFields{&DocumentKey::document_key_document,
                                                                     &Document::has_document_id,
                                                                     &Document::document_id,
                                                                     &Document::document_name,
                                                                     &DocumentKey::document_key_user,
                                                                     &DocumentKey::document_key_owner,
                                                                     &DocumentKey::document_key_security_descriptor,
                                                                     &DocumentKey::document_key_description,
                                                                     &DocumentKey::document_key_properties,
                                                                     &DocumentKey::document_key_creation_date};
template class KeyDescriptorReader<DocumentKeyProxy, DocumentKey, Document>;

using FolderKeyReaderBase = KeyDescriptorReader<FolderKeyProxy, FolderKey, Folder>;
template <>
const FolderKeyReaderBase::Fields FolderKeyReaderBase::KeyFields{&FolderKey::folder_key_folder,
                                                                 &Folder::has_folder_id,
                                                                 &Folder::folder_id,
                                                                 &Folder::folder_name,
                                                                 &FolderKey::folder_key_user,
                                                                 &FolderKey::folder_key_owner,
                                                                 &FolderKey::folder_key_security_descriptor,
                                                                 &FolderKey::folder_key_description,
                                                                 &FolderKey::folder_key_properties,
                                                                 &FolderKey::folder_key_creation_date};
template class KeyDescriptorReader<FolderKeyProxy, FolderKey, Folder>;
