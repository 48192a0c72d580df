#include "folderkeyreader.h"

#include "dbid.h"
#include "dbtimestamp.h"
#include "displayname.h"
#include "keydisplaytext.h"
#include "qorvassert.h"

#include "folderkey3.pb.h"

namespace
{
// The weekday bits 13 to 19 and the month bits 1 to 12 of the active word,
// and every permission bit that a folder key can carry.
constexpr unsigned int WeekMask = 0x7Fu << FolderKeyProxy::ActiveOnSunday;
constexpr unsigned int YearMask = 0xFFFu << FolderKeyProxy::ActiveDuringJanuary;
constexpr unsigned int PermissionMask = 0x7Fu;
// The switch, the months and the weekdays; bits 20 to 31 mean nothing.
constexpr unsigned int ActiveMask = 0xFFFFFu;

const qorv::data::SecurityDescriptor &Descriptor(const FolderKeyReader &reader)
{
    return static_cast<const qorv::data::FolderKey &>(reader).folder_key_security_descriptor();
}

unsigned int ActiveWord(const FolderKeyReader &reader)
{
    return Descriptor(reader).active();
}

unsigned int PermissionWord(const FolderKeyReader &reader)
{
    return Descriptor(reader).permissions();
}
}

FolderKeyReader::FolderKeyReader(const qorv::data::FolderKey &folderKey)
    : m_folderKey(&folderKey)
{
}

FolderKeyReader::~FolderKeyReader() = default;

FolderKeyReader::operator const qorv::data::FolderKey &() const
{
    return *m_folderKey;
}

int FolderKeyReader::folderId() const
{
    const qorv::data::Folder &folder = m_folderKey->folder_key_folder();
    return folder.has_folder_id() ? folder.folder_id() : DbId::m_NullId;
}

std::string FolderKeyReader::folderName() const
{
    return m_folderKey->folder_key_folder().folder_name();
}

int FolderKeyReader::userId() const
{
    const qorv::data::User &user = m_folderKey->folder_key_user();
    return user.has_user_id() ? user.user_id() : DbId::m_NullId;
}

std::string FolderKeyReader::userLastName() const
{
    return m_folderKey->folder_key_user().user_last_name();
}

std::string FolderKeyReader::userFirstName() const
{
    return m_folderKey->folder_key_user().user_first_name();
}

std::string FolderKeyReader::userMiddleName() const
{
    return m_folderKey->folder_key_user().user_middle_name();
}

int FolderKeyReader::ownerId() const
{
    const qorv::data::User &owner = m_folderKey->folder_key_owner();
    return owner.has_user_id() ? owner.user_id() : DbId::m_NullId;
}

std::string FolderKeyReader::ownerLastName() const
{
    return m_folderKey->folder_key_owner().user_last_name();
}

std::string FolderKeyReader::ownerFirstName() const
{
    return m_folderKey->folder_key_owner().user_first_name();
}

std::string FolderKeyReader::ownerMiddleName() const
{
    return m_folderKey->folder_key_owner().user_middle_name();
}

std::string FolderKeyReader::description() const
{
    return m_folderKey->folder_key_description();
}

unsigned int FolderKeyReader::properties() const
{
    return m_folderKey->folder_key_properties();
}

std::string FolderKeyReader::creationDate() const
{
    return m_folderKey->folder_key_creation_date();
}

std::string FolderKeyReader::activeRegion() const
{
    return descriptor().active_region();
}

std::string FolderKeyReader::activeFrom() const
{
    return descriptor().active_from();
}

std::string FolderKeyReader::activeTo() const
{
    return descriptor().active_to();
}

std::string FolderKeyReader::password() const
{
    return descriptor().password();
}

int FolderKeyReader::sessionDuration() const
{
    return descriptor().session_duration();
}

std::string FolderKeyReader::expirationDate() const
{
    return descriptor().expiration_date();
}

bool FolderKeyReader::property(Property property) const
{
    return getBit(property, properties());
}

bool FolderKeyReader::active(Active active) const
{
    return getBit(active, descriptor().active());
}

bool FolderKeyReader::activeOnSunday() const
{
    return active(ActiveOnSunday);
}

bool FolderKeyReader::activeOnMonday() const
{
    return active(ActiveOnMonday);
}

bool FolderKeyReader::activeOnTuesday() const
{
    return active(ActiveOnTuesday);
}

bool FolderKeyReader::activeOnWednesday() const
{
    return active(ActiveOnWednesday);
}

bool FolderKeyReader::activeOnThursday() const
{
    return active(ActiveOnThursday);
}

bool FolderKeyReader::activeOnFriday() const
{
    return active(ActiveOnFriday);
}

bool FolderKeyReader::activeOnSaturday() const
{
    return active(ActiveOnSaturday);
}

bool FolderKeyReader::activeDuringJanuary() const
{
    return active(ActiveDuringJanuary);
}

bool FolderKeyReader::activeDuringFebruary() const
{
    return active(ActiveDuringFebruary);
}

bool FolderKeyReader::activeDuringMarch() const
{
    return active(ActiveDuringMarch);
}

bool FolderKeyReader::activeDuringApril() const
{
    return active(ActiveDuringApril);
}

bool FolderKeyReader::activeDuringMay() const
{
    return active(ActiveDuringMay);
}

bool FolderKeyReader::activeDuringJune() const
{
    return active(ActiveDuringJune);
}

bool FolderKeyReader::activeDuringJuly() const
{
    return active(ActiveDuringJuly);
}

bool FolderKeyReader::activeDuringAugust() const
{
    return active(ActiveDuringAugust);
}

bool FolderKeyReader::activeDuringSeptember() const
{
    return active(ActiveDuringSeptember);
}

bool FolderKeyReader::activeDuringOctober() const
{
    return active(ActiveDuringOctober);
}

bool FolderKeyReader::activeDuringNovember() const
{
    return active(ActiveDuringNovember);
}

bool FolderKeyReader::activeDuringDecember() const
{
    return active(ActiveDuringDecember);
}

bool FolderKeyReader::audit(Audit audit) const
{
    return getBit(audit, descriptor().audits());
}

bool FolderKeyReader::permission(Permission permission) const
{
    return getBit(permission, descriptor().permissions());
}

bool FolderKeyReader::expirationAction(ExpirationAction action) const
{
    return getBit(action, descriptor().expiration_action());
}

bool FolderKeyReader::activeDuringWeek() const
{
    return (descriptor().active() & WeekMask) != 0;
}

bool FolderKeyReader::activeDuringYear() const
{
    return (descriptor().active() & YearMask) != 0;
}

bool FolderKeyReader::noPermissions() const
{
    return (descriptor().permissions() & PermissionMask) == 0;
}

bool FolderKeyReader::inactive() const
{
    return !(active(ActiveStatus) && activeDuringWeek() && activeDuringYear() && !noPermissions());
}

std::string FolderKeyReader::userDisplayName() const
{
    return records::DisplayName(userFirstName(), userMiddleName(), userLastName());
}

std::string FolderKeyReader::userDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(userFirstName(), userMiddleName(), userLastName());
}

std::string FolderKeyReader::ownerDisplayName() const
{
    return records::DisplayName(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

std::string FolderKeyReader::ownerDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

std::string FolderKeyReader::activeHoursDisplay() const
{
    return records::ActiveHoursDisplay(activeFrom(), activeTo());
}

std::string FolderKeyReader::sessionDurationDisplay() const
{
    return records::SessionDurationDisplay(sessionDuration());
}

std::string FolderKeyReader::creationDateDisplay() const
{
    return records::LocalDisplayDate(creationDate());
}

std::string FolderKeyReader::expirationDateDisplay() const
{
    const std::string date = expirationDate();
    QORV_ASSERT(date.empty() || DbTimestamp(date).isValid());
    // Folder keys show their expiration without a fraction of a second.
    return records::LocalRfcDate(date);
}

const qorv::data::SecurityDescriptor &FolderKeyReader::descriptor() const
{
    return m_folderKey->folder_key_security_descriptor();
}

bool operator==(const FolderKeyReader &left, const FolderKeyReader &right)
{
    if (left.folderId() != right.folderId() || left.userId() != right.userId())
        return false;
    if (left.userLastName() != right.userLastName() || left.userFirstName() != right.userFirstName()
        || left.userMiddleName() != right.userMiddleName() || left.userDisplayName() != right.userDisplayName()
        || left.userDisplayNameAlphabetical() != right.userDisplayNameAlphabetical())
        return false;
    if (left.description() != right.description() || left.folderName() != right.folderName())
        return false;
    // Only the twenty meaningful bits of the active word count.
    if ((ActiveWord(left) & ActiveMask) != (ActiveWord(right) & ActiveMask))
        return false;
    if (left.activeFrom() != right.activeFrom() || left.activeTo() != right.activeTo()
        || left.activeRegion() != right.activeRegion() || left.sessionDuration() != right.sessionDuration()
        || left.expirationDate() != right.expirationDate() || left.password() != right.password())
        return false;
    return (PermissionWord(left) & PermissionMask) == (PermissionWord(right) & PermissionMask);
}

bool operator!=(const FolderKeyReader &left, const FolderKeyReader &right)
{
    return !(left == right);
}
