#include "keydescriptorwriter.h"

#include "documentkeyproxy.h"
#include "folderkeyproxy.h"

#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

template <class KeyProxy>
KeyDescriptorWriter<KeyProxy>::~KeyDescriptorWriter() = default;

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setUserId(int id)
{
    user().set_user_id(id);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setUserLastName(const std::string &name)
{
    user().set_user_last_name(name);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setUserFirstName(const std::string &name)
{
    user().set_user_first_name(name);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setUserMiddleName(const std::string &name)
{
    user().set_user_middle_name(name);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveRegion(const std::string &region)
{
    descriptor().set_active_region(region);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveFrom(const std::string &time)
{
    descriptor().set_active_from(time);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveTo(const std::string &time)
{
    descriptor().set_active_to(time);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setPassword(const std::string &password)
{
    descriptor().set_password(password);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setSessionDuration(int seconds)
{
    descriptor().set_session_duration(seconds);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setExpirationAction(Action action)
{
    descriptor().set_expiration_action(action);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActive(Active active, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_active(this->setBit(active, target.active(), value));
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveOnSunday(bool value)
{
    setActive(KeyProxy::ActiveOnSunday, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveOnMonday(bool value)
{
    setActive(KeyProxy::ActiveOnMonday, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveOnTuesday(bool value)
{
    setActive(KeyProxy::ActiveOnTuesday, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveOnWednesday(bool value)
{
    setActive(KeyProxy::ActiveOnWednesday, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveOnThursday(bool value)
{
    setActive(KeyProxy::ActiveOnThursday, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveOnFriday(bool value)
{
    setActive(KeyProxy::ActiveOnFriday, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveOnSaturday(bool value)
{
    setActive(KeyProxy::ActiveOnSaturday, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringJanuary(bool value)
{
    setActive(KeyProxy::ActiveDuringJanuary, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringFebruary(bool value)
{
    setActive(KeyProxy::ActiveDuringFebruary, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringMarch(bool value)
{
    setActive(KeyProxy::ActiveDuringMarch, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringApril(bool value)
{
    setActive(KeyProxy::ActiveDuringApril, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringMay(bool value)
{
    setActive(KeyProxy::ActiveDuringMay, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringJune(bool value)
{
    setActive(KeyProxy::ActiveDuringJune, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringJuly(bool value)
{
    setActive(KeyProxy::ActiveDuringJuly, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringAugust(bool value)
{
    setActive(KeyProxy::ActiveDuringAugust, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringSeptember(bool value)
{
    setActive(KeyProxy::ActiveDuringSeptember, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringOctober(bool value)
{
    setActive(KeyProxy::ActiveDuringOctober, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringNovember(bool value)
{
    setActive(KeyProxy::ActiveDuringNovember, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setActiveDuringDecember(bool value)
{
    setActive(KeyProxy::ActiveDuringDecember, value);
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setPermission(Permission permission, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_permissions(this->setBit(permission, target.permissions(), value));
}

template <class KeyProxy>
void KeyDescriptorWriter<KeyProxy>::setAudit(Audit audit, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_audits(this->setBit(audit, target.audits(), value));
}

template class KeyDescriptorWriter<DocumentKeyProxy>;
template class KeyDescriptorWriter<FolderKeyProxy>;
