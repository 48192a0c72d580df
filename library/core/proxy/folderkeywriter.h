#ifndef FOLDERKEYWRITER_H
#define FOLDERKEYWRITER_H

#include "folderkeyproxy.h"
#include "keydescriptorwriter.h"

#include <string>

namespace qorv::data
{
class FolderKey;
}

class FolderKeyReader;

// Sets the fields of a folder key that the caller owns, one at a time. Each
// setter makes its field present and creates the folder, user or security
// descriptor on the way when the key lacks it. Nothing is checked: judging
// the key is for the validators and the server.
class FolderKeyWriter : public KeyDescriptorWriter<FolderKeyProxy>
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

    void setExpirationDate(const std::string &date);

    using KeyDescriptorWriter<FolderKeyProxy>::setActive;
    // The key's switch alone (bit 0 of the active word).
    void setActive(bool value);

private:
    qorv::data::User &user() override;
    qorv::data::SecurityDescriptor &descriptor() override;

    qorv::data::FolderKey *m_folderKey;
};

#endif // FOLDERKEYWRITER_H
