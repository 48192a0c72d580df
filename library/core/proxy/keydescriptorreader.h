#ifndef KEYDESCRIPTORREADER_H
#define KEYDESCRIPTORREADER_H

#include <string>

namespace qorv::data
{
class SecurityDescriptor;
class User;
}

// What every key reader reads the same way: the user and the owner, the
// properties and the security descriptor. KeyProxy names the bits of the key,
// PermissionMask among them; a concrete reader only says where its key keeps
// these parts.
template <class KeyProxy>
class KeyDescriptorReader : public KeyProxy
{
public:
    using Property = typename KeyProxy::Property;
    using Active = typename KeyProxy::Active;
    using Audit = typename KeyProxy::Audit;
    using Permission = typename KeyProxy::Permission;
    using Action = typename KeyProxy::Action;

    ~KeyDescriptorReader() override;

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

    virtual unsigned int properties() const = 0;
    virtual std::string creationDate() const = 0;

    std::string activeRegion() const;
    std::string activeFrom() const;
    std::string activeTo() const;
    // The stored form of the passcode; empty when the key has none.
    std::string password() const;
    int sessionDuration() const;
    std::string expirationDate() const;

    bool property(Property property) const;
    bool active(Active active) const;
    bool activeOnSunday() const;
    bool activeOnMonday() const;
    bool activeOnTuesday() const;
    bool activeOnWednesday() const;
    bool activeOnThursday() const;
    bool activeOnFriday() const;
    bool activeOnSaturday() const;
    bool activeDuringJanuary() const;
    bool activeDuringFebruary() const;
    bool activeDuringMarch() const;
    bool activeDuringApril() const;
    bool activeDuringMay() const;
    bool activeDuringJune() const;
    bool activeDuringJuly() const;
    bool activeDuringAugust() const;
    bool activeDuringSeptember() const;
    bool activeDuringOctober() const;
    bool activeDuringNovember() const;
    bool activeDuringDecember() const;
    bool audit(Audit audit) const;
    bool permission(Permission permission) const;
    bool expirationAction(Action action) const;

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

    // Whether the user, the descriptor's meaningful bits and its other fields
    // agree; the owner, the properties, the creation date, the audits and the
    // expiration action are left out, as they are from a key's equality.
    bool sameUserAndDescriptor(const KeyDescriptorReader &other) const;

protected:
    KeyDescriptorReader() = default;
    KeyDescriptorReader(const KeyDescriptorReader &) = default;
    KeyDescriptorReader &operator=(const KeyDescriptorReader &) = default;

private:
    virtual const qorv::data::User &user() const = 0;
    virtual const qorv::data::User &owner() const = 0;
    virtual const qorv::data::SecurityDescriptor &descriptor() const = 0;
};

#endif // KEYDESCRIPTORREADER_H
