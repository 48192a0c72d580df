#ifndef KEYDESCRIPTORWRITER_H
#define KEYDESCRIPTORWRITER_H

#include "keyproxy.h"

#include <cstdint>
#include <string>

namespace qorv::data
{
class SecurityDescriptor;
class User;
}

// Sets the fields of a key that the caller owns, one at a time, the same way
// for every kind of key: the user to whom the key is given, the description,
// the properties and the security descriptor. Each setter makes its field
// present and creates the record that the key opens, the user or the
// security descriptor on the way when the key lacks it. Nothing is checked
// here: judging the key as a whole is for the validators and the server.
//
// KindProxy names the bits of the kind of key; Key is the kind's record and
// Target the record that the key opens. Where each kind keeps these parts is
// stated once, with its instantiation.
template <class KindProxy, class Key, class Target>
class KeyDescriptorWriter : public KindProxy
{
public:
    using Permission = typename KindProxy::Permission;

    explicit KeyDescriptorWriter(Key &key);
    ~KeyDescriptorWriter() override;

    KeyDescriptorWriter(const KeyDescriptorWriter &) = delete;
    KeyDescriptorWriter &operator=(const KeyDescriptorWriter &) = delete;

    void setDescription(const std::string &description);
    void setProperties(unsigned int properties);
    void setProperty(KeyProxy::Property property, bool value);

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
    void setExpirationAction(KeyProxy::Action action);

    void setActive(KeyProxy::Active active, bool value);
    void setActiveOnSunday(bool value) { setActive(KeyProxy::ActiveOnSunday, value); }
    void setActiveOnMonday(bool value) { setActive(KeyProxy::ActiveOnMonday, value); }
    void setActiveOnTuesday(bool value) { setActive(KeyProxy::ActiveOnTuesday, value); }
    void setActiveOnWednesday(bool value) { setActive(KeyProxy::ActiveOnWednesday, value); }
    void setActiveOnThursday(bool value) { setActive(KeyProxy::ActiveOnThursday, value); }
    void setActiveOnFriday(bool value) { setActive(KeyProxy::ActiveOnFriday, value); }
    void setActiveOnSaturday(bool value) { setActive(KeyProxy::ActiveOnSaturday, value); }
    void setActiveDuringJanuary(bool value) { setActive(KeyProxy::ActiveDuringJanuary, value); }
    void setActiveDuringFebruary(bool value) { setActive(KeyProxy::ActiveDuringFebruary, value); }
    void setActiveDuringMarch(bool value) { setActive(KeyProxy::ActiveDuringMarch, value); }
    void setActiveDuringApril(bool value) { setActive(KeyProxy::ActiveDuringApril, value); }
    void setActiveDuringMay(bool value) { setActive(KeyProxy::ActiveDuringMay, value); }
    void setActiveDuringJune(bool value) { setActive(KeyProxy::ActiveDuringJune, value); }
    void setActiveDuringJuly(bool value) { setActive(KeyProxy::ActiveDuringJuly, value); }
    void setActiveDuringAugust(bool value) { setActive(KeyProxy::ActiveDuringAugust, value); }
    void setActiveDuringSeptember(bool value) { setActive(KeyProxy::ActiveDuringSeptember, value); }
    void setActiveDuringOctober(bool value) { setActive(KeyProxy::ActiveDuringOctober, value); }
    void setActiveDuringNovember(bool value) { setActive(KeyProxy::ActiveDuringNovember, value); }
    void setActiveDuringDecember(bool value) { setActive(KeyProxy::ActiveDuringDecember, value); }
    void setPermission(Permission permission, bool value);
    void setAudit(KeyProxy::Audit audit, bool value);

protected:
    Key &key() { return *m_key; }

    // Replaces the whole key, sub-records included, by a copy of the source;
    // nothing changes when both are the same record.
    void copyFrom(const Key &source);

    // The id and the name of the record that the key opens.
    void setTargetId(int id);
    void setTargetName(const std::string &name);

    // The dates as they are given; the kind of key decides what it accepts.
    void storeCreationDate(const std::string &date);
    void storeExpirationDate(const std::string &date);

private:
    qorv::data::User &user();
    qorv::data::SecurityDescriptor &descriptor();

    // The generated setters through which a kind of key is written.
    struct Fields
    {
        Target *(Key::*target)();
        void (Target::*setTargetId)(std::int32_t);
        std::string *(Target::*targetName)();
        qorv::data::User *(Key::*user)();
        qorv::data::SecurityDescriptor *(Key::*descriptor)();
        std::string *(Key::*description)();
        std::uint32_t (Key::*properties)() const;
        void (Key::*setProperties)(std::uint32_t);
        std::string *(Key::*creationDate)();
    };
    static const Fields KeyFields;

    Key *m_key;
};

#endif // KEYDESCRIPTORWRITER_H
