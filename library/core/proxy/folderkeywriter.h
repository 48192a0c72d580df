#ifndef FOLDERKEYWRITER_H
#define FOLDERKEYWRITER_H

#include "folderkeyproxy.h"

#include <string>

namespace qorv::data
{
class FolderKey;
class SecurityDescriptor;
}

class FolderKeyReader;

// Sets the fields of a folder key that the caller owns, one at a time. Each
// setter makes its field present and creates the folder, user or security
// descriptor on the way when the key lacks it. Nothing is checked: judging
// the key is for the validators and the server.
class FolderKeyWriter : public FolderKeyProxy
{
public:
    explicit FolderKeyWriter(qorv::data::FolderKey &folderKey);
    ~FolderKeyWriter() override;

    FolderKeyWriter(const FolderKeyWriter &) = delete;
    FolderKeyWriter &operator=(const FolderKeyWriter &) = delete;

    // Replaces the whole key by a copy of the one the reader views.
    FolderKeyWriter &operator=(const FolderKeyReader &reader);

    void setDescription(const std::string &description);
    void setProperties(unsigned int properties);
    void setProperty(Property property, bool value);
    // Unlike a document key's, the dates are stored as given.
    void setCreationDate(const std::string &date);
    void setFolderId(int id);
    void setFolderName(const std::string &name);
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
    void setExpirationDate(const std::string &date);
    void setExpirationAction(ExpirationAction action);

    // The key's switch alone (bit 0 of the active word).
    void setActive(bool value);
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

private:
    qorv::data::SecurityDescriptor &descriptor();

    qorv::data::FolderKey *m_folderKey;
};

#endif // FOLDERKEYWRITER_H
