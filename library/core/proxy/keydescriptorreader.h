#ifndef KEYDESCRIPTORREADER_H
#define KEYDESCRIPTORREADER_H

#include "keyproxy.h"

#include <cstdint>
#include <string>

namespace qorv::data
{
class SecurityDescriptor;
class User;
}

// A read-only view over a key that the caller owns and keeps alive: the
// record it opens, the user and the owner, the description, the properties,
// the creation date and the security descriptor, read the same way for every
// kind of key. It reads the record afresh on every call and never fails: an
// absent field, or a field of an absent sub-record, reads as the null id, 0,
// the empty text or false.
//
// KindProxy names the bits of the kind of key, its permissions among them;
// Key is the kind's record and Target the record that the key opens. Where
// each kind keeps these parts is stated once, with its instantiation.
template <class KindProxy, class Key, class Target>
class KeyDescriptorReader : public KindProxy
{
public:
    using Permission = typename KindProxy::Permission;

    explicit KeyDescriptorReader(const Key &key);
    ~KeyDescriptorReader() override;

    operator const Key &() const;

    // The user to whom the key was given.
    int userId() const;
    std::string userLastName() const;
    std::string userFirstName() const;
    std::string userMiddleName() const;

    // The user who gave the key.
    int ownerId() const;
    std::string ownerLastName() const;
    std::string ownerFirstName() const;
    std::string ownerMiddleName() const;

    std::string description() const;
    unsigned int properties() const;
    std::string creationDate() const;

    std::string activeRegion() const;
    std::string activeFrom() const;
    std::string activeTo() const;
    // The stored form of the passcode; empty when the key has none.
    std::string password() const;
    int sessionDuration() const;
    std::string expirationDate() const;

    bool property(KeyProxy::Property property) const;
    bool active(KeyProxy::Active active) const;
    bool activeOnSunday() const { return active(KeyProxy::ActiveOnSunday); }
    bool activeOnMonday() const { return active(KeyProxy::ActiveOnMonday); }
    bool activeOnTuesday() const { return active(KeyProxy::ActiveOnTuesday); }
    bool activeOnWednesday() const { return active(KeyProxy::ActiveOnWednesday); }
    bool activeOnThursday() const { return active(KeyProxy::ActiveOnThursday); }
    bool activeOnFriday() const { return active(KeyProxy::ActiveOnFriday); }
    bool activeOnSaturday() const { return active(KeyProxy::ActiveOnSaturday); }
    bool activeDuringJanuary() const { return active(KeyProxy::ActiveDuringJanuary); }
    bool activeDuringFebruary() const { return active(KeyProxy::ActiveDuringFebruary); }
    bool activeDuringMarch() const { return active(KeyProxy::ActiveDuringMarch); }
    bool activeDuringApril() const { return active(KeyProxy::ActiveDuringApril); }
    bool activeDuringMay() const { return active(KeyProxy::ActiveDuringMay); }
    bool activeDuringJune() const { return active(KeyProxy::ActiveDuringJune); }
    bool activeDuringJuly() const { return active(KeyProxy::ActiveDuringJuly); }
    bool activeDuringAugust() const { return active(KeyProxy::ActiveDuringAugust); }
    bool activeDuringSeptember() const { return active(KeyProxy::ActiveDuringSeptember); }
    bool activeDuringOctober() const { return active(KeyProxy::ActiveDuringOctober); }
    bool activeDuringNovember() const { return active(KeyProxy::ActiveDuringNovember); }
    bool activeDuringDecember() const { return active(KeyProxy::ActiveDuringDecember); }
    bool audit(KeyProxy::Audit audit) const;
    bool permission(Permission permission) const;
    bool expirationAction(KeyProxy::Action action) const;

    bool activeDuringWeek() const;
    bool activeDuringYear() const;
    bool noPermissions() const;
    // Switched off, or no weekday, no month or no permission at all. Only the
    // stored bits count: the clock, the hours and the expiration do not.
    bool inactive() const;

    std::string userDisplayName() const;
    std::string userDisplayNameAlphabetical() const;
    std::string ownerDisplayName() const;
    std::string ownerDisplayNameAlphabetical() const;
    std::string activeHoursDisplay() const;
    std::string sessionDurationDisplay() const;
    std::string creationDateDisplay() const;

    // Whether everything that the user can see or change in the two keys
    // agrees, as far as every key has it; the owner, the properties, the
    // creation date, the audits and the expiration action are left out.
    bool sameKey(const KeyDescriptorReader &other) const;

protected:
    KeyDescriptorReader(const KeyDescriptorReader &) = default;
    KeyDescriptorReader &operator=(const KeyDescriptorReader &) = default;

    const Key &key() const { return *m_key; }

    // The id and the name of the record that the key opens.
    int targetId() const;
    std::string targetName() const;

    // The expiration date as the kind of key shows it, through the given
    // machine-local text; empty for a key without one. A date that is there
    // must be a valid timestamp.
    std::string expirationDateText(std::string (*localText)(const std::string &date)) const;

private:
    const qorv::data::User &user() const;
    const qorv::data::User &owner() const;
    const qorv::data::SecurityDescriptor &descriptor() const;

    // The generated getters through which a kind of key is read.
    struct Fields
    {
        const Target &(Key::*target)() const;
        bool (Target::*hasTargetId)() const;
        std::int32_t (Target::*targetId)() const;
        const std::string &(Target::*targetName)() const;
        const qorv::data::User &(Key::*user)() const;
        const qorv::data::User &(Key::*owner)() const;
        const qorv::data::SecurityDescriptor &(Key::*descriptor)() const;
        const std::string &(Key::*description)() const;
        std::uint32_t (Key::*properties)() const;
        const std::string &(Key::*creationDate)() const;
    };
    static const Fields KeyFields;

    const Key *m_key;
};

#endif // KEYDESCRIPTORREADER_H
