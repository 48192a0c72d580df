#ifndef KEYDESCRIPTORWRITER_H
#define KEYDESCRIPTORWRITER_H

#include <string>

namespace qorv::data
{
class SecurityDescriptor;
class User;
}

// What every key writer sets the same way: the user to whom the key is given
// and the security descriptor. KeyProxy names the bits of the key; a concrete
// writer only says where its key keeps these parts, creating them on the way.
template <class KeyProxy>
class KeyDescriptorWriter : public KeyProxy
{
public:
    using Active = typename KeyProxy::Active;
    using Audit = typename KeyProxy::Audit;
    using Permission = typename KeyProxy::Permission;
    using Action = typename KeyProxy::Action;

    ~KeyDescriptorWriter() override;

    KeyDescriptorWriter(const KeyDescriptorWriter &) = delete;
    KeyDescriptorWriter &operator=(const KeyDescriptorWriter &) = delete;

    void setUserId(int id);
    void setUserLastName(const std::string &name);
    void setUserFirstName(const std::string &name);
    void setUserMiddleName(const std::string &name);

    void setActiveRegion(const std::string &region);
    void setActiveFrom(const std::string &time);
    void setActiveTo(const std::string &time);
    // The stored form of the passcode, or the empty text for none.
    void setPassword(const std::string &password);
    void setSessionDuration(int seconds);
    void setExpirationAction(Action action);

    void setActive(Active active, bool value);
    void setActiveOnSunday(bool value);
    void setActiveOnMonday(bool value);
    void setActiveOnTuesday(bool value);
    void setActiveOnWednesday(bool value);
    void setActiveOnThursday(bool value);
    void setActiveOnFriday(bool value);
    void setActiveOnSaturday(bool value);
    void setActiveDuringJanuary(bool value);
    void setActiveDuringFebruary(bool value);
    void setActiveDuringMarch(bool value);
    void setActiveDuringApril(bool value);
    void setActiveDuringMay(bool value);
    void setActiveDuringJune(bool value);
    void setActiveDuringJuly(bool value);
    void setActiveDuringAugust(bool value);
    void setActiveDuringSeptember(bool value);
    void setActiveDuringOctober(bool value);
    void setActiveDuringNovember(bool value);
    void setActiveDuringDecember(bool value);
    void setPermission(Permission permission, bool value);
    void setAudit(Audit audit, bool value);

protected:
    KeyDescriptorWriter() = default;

private:
    virtual qorv::data::User &user() = 0;
    virtual qorv::data::SecurityDescriptor &descriptor() = 0;
};

#endif // KEYDESCRIPTORWRITER_H
