#include "keydescriptorreader.h"

#include "dbid.h"
#include "displayname.h"
#include "documentkeyproxy.h"
#include "folderkeyproxy.h"
#include "keydisplaytext.h"

#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

namespace
{
// The switch, the months and the weekdays; bits 20 to 31 mean nothing.
constexpr unsigned int ActiveMask = 0xFFFFFu;

// The seven weekday bits and the twelve month bits of the active word.
template <class KeyProxy>
constexpr unsigned int WeekMask = 0x7Fu << KeyProxy::ActiveOnSunday;
template <class KeyProxy>
constexpr unsigned int YearMask = 0xFFFu << KeyProxy::ActiveDuringJanuary;

int UserId(const qorv::data::User &user)
{
    return user.has_user_id() ? user.user_id() : DbId::m_NullId;
}
}

template <class KeyProxy>
KeyDescriptorReader<KeyProxy>::~KeyDescriptorReader() = default;

template <class KeyProxy>
int KeyDescriptorReader<KeyProxy>::userId() const
{
    return UserId(user());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::userLastName() const
{
    return user().user_last_name();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::userFirstName() const
{
    return user().user_first_name();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::userMiddleName() const
{
    return user().user_middle_name();
}

template <class KeyProxy>
int KeyDescriptorReader<KeyProxy>::ownerId() const
{
    return UserId(owner());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::ownerLastName() const
{
    return owner().user_last_name();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::ownerFirstName() const
{
    return owner().user_first_name();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::ownerMiddleName() const
{
    return owner().user_middle_name();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::activeRegion() const
{
    return descriptor().active_region();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::activeFrom() const
{
    return descriptor().active_from();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::activeTo() const
{
    return descriptor().active_to();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::password() const
{
    return descriptor().password();
}

template <class KeyProxy>
int KeyDescriptorReader<KeyProxy>::sessionDuration() const
{
    return descriptor().session_duration();
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::expirationDate() const
{
    return descriptor().expiration_date();
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::property(Property property) const
{
    return this->getBit(property, properties());
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::active(Active active) const
{
    return this->getBit(active, descriptor().active());
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeOnSunday() const
{
    return active(KeyProxy::ActiveOnSunday);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeOnMonday() const
{
    return active(KeyProxy::ActiveOnMonday);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeOnTuesday() const
{
    return active(KeyProxy::ActiveOnTuesday);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeOnWednesday() const
{
    return active(KeyProxy::ActiveOnWednesday);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeOnThursday() const
{
    return active(KeyProxy::ActiveOnThursday);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeOnFriday() const
{
    return active(KeyProxy::ActiveOnFriday);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeOnSaturday() const
{
    return active(KeyProxy::ActiveOnSaturday);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringJanuary() const
{
    return active(KeyProxy::ActiveDuringJanuary);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringFebruary() const
{
    return active(KeyProxy::ActiveDuringFebruary);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringMarch() const
{
    return active(KeyProxy::ActiveDuringMarch);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringApril() const
{
    return active(KeyProxy::ActiveDuringApril);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringMay() const
{
    return active(KeyProxy::ActiveDuringMay);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringJune() const
{
    return active(KeyProxy::ActiveDuringJune);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringJuly() const
{
    return active(KeyProxy::ActiveDuringJuly);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringAugust() const
{
    return active(KeyProxy::ActiveDuringAugust);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringSeptember() const
{
    return active(KeyProxy::ActiveDuringSeptember);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringOctober() const
{
    return active(KeyProxy::ActiveDuringOctober);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringNovember() const
{
    return active(KeyProxy::ActiveDuringNovember);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringDecember() const
{
    return active(KeyProxy::ActiveDuringDecember);
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::audit(Audit audit) const
{
    return this->getBit(audit, descriptor().audits());
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::permission(Permission permission) const
{
    return this->getBit(permission, descriptor().permissions());
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::expirationAction(Action action) const
{
    return this->getBit(action, descriptor().expiration_action());
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringWeek() const
{
    return (descriptor().active() & WeekMask<KeyProxy>) != 0;
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::activeDuringYear() const
{
    return (descriptor().active() & YearMask<KeyProxy>) != 0;
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::noPermissions() const
{
    return (descriptor().permissions() & KeyProxy::PermissionMask) == 0;
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::inactive() const
{
    return !(active(KeyProxy::ActiveStatus) && activeDuringWeek() && activeDuringYear() && !noPermissions());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::userDisplayName() const
{
    return records::DisplayName(userFirstName(), userMiddleName(), userLastName());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::userDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(userFirstName(), userMiddleName(), userLastName());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::ownerDisplayName() const
{
    return records::DisplayName(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::ownerDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::activeHoursDisplay() const
{
    return records::ActiveHoursDisplay(activeFrom(), activeTo());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::sessionDurationDisplay() const
{
    return records::SessionDurationDisplay(sessionDuration());
}

template <class KeyProxy>
std::string KeyDescriptorReader<KeyProxy>::creationDateDisplay() const
{
    return records::LocalDisplayDate(creationDate());
}

template <class KeyProxy>
bool KeyDescriptorReader<KeyProxy>::sameUserAndDescriptor(const KeyDescriptorReader &other) const
{
    if (userId() != other.userId())
        return false;
    if (userLastName() != other.userLastName() || userFirstName() != other.userFirstName()
        || userMiddleName() != other.userMiddleName() || userDisplayName() != other.userDisplayName()
        || userDisplayNameAlphabetical() != other.userDisplayNameAlphabetical())
        return false;
    // Only the twenty meaningful bits of the active word count.
    if ((descriptor().active() & ActiveMask) != (other.descriptor().active() & ActiveMask))
        return false;
    if (activeFrom() != other.activeFrom() || activeTo() != other.activeTo() || activeRegion() != other.activeRegion()
        || sessionDuration() != other.sessionDuration() || expirationDate() != other.expirationDate()
        || password() != other.password())
        return false;
    return (descriptor().permissions() & KeyProxy::PermissionMask) == (other.descriptor().permissions() & KeyProxy::PermissionMask);
}

template class KeyDescriptorReader<DocumentKeyProxy>;
template class KeyDescriptorReader<FolderKeyProxy>;
