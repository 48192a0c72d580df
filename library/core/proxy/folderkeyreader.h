#ifndef FOLDERKEYREADER_H
#define FOLDERKEYREADER_H

#include "folderkeyproxy.h"

#include <string>

namespace qorv::data
{
class FolderKey;
class SecurityDescriptor;
}

// A read-only view over a folder key that the caller owns and keeps alive.
// It reads the record afresh on every call and never fails: an absent field,
// or a field of an absent sub-record, reads as the null id, 0, the empty text
// or false.
class FolderKeyReader : public FolderKeyProxy
{
public:
    explicit FolderKeyReader(const qorv::data::FolderKey &folderKey);
    ~FolderKeyReader() override;

    operator const qorv::data::FolderKey &() const;

    int folderId() const;
    std::string folderName() const;

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
    bool expirationAction(ExpirationAction action) const;

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
    std::string expirationDateDisplay() const;

private:
    const qorv::data::SecurityDescriptor &descriptor() const;

    const qorv::data::FolderKey *m_folderKey;
};

// Equal when everything that the user can see or change in a key agrees; the
// owner, the properties, the creation date, the audits and the expiration
// action are left out.
bool operator==(const FolderKeyReader &left, const FolderKeyReader &right);
bool operator!=(const FolderKeyReader &left, const FolderKeyReader &right);

#endif // FOLDERKEYREADER_H
