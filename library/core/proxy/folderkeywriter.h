#ifndef FOLDERKEYWRITER_H
#define FOLDERKEYWRITER_H

#include "folderkeyproxy.h"
#include "keydescriptorwriter.h"

#include <string>

namespace qorv::data
{
class Folder;
class FolderKey;
}

class FolderKeyReader;

// Sets the fields of a folder key: what every key has, with the dates stored
// as they are given, and the key's switch on its own.
class FolderKeyWriter : public KeyDescriptorWriter<FolderKeyProxy, qorv::data::FolderKey, qorv::data::Folder>
{
public:
    using KeyDescriptorWriter::KeyDescriptorWriter;

    // Replaces the whole key by a copy of the one the reader views.
    FolderKeyWriter &operator=(const FolderKeyReader &reader);

    void setFolderId(int id) { setTargetId(id); }
    void setFolderName(const std::string &name) { setTargetName(name); }

    // Unlike a document key's, the dates are stored as given.
    void setCreationDate(const std::string &date) { storeCreationDate(date); }
    void setExpirationDate(const std::string &date) { storeExpirationDate(date); }

    using KeyDescriptorWriter::setActive;
    // The key's switch alone (bit 0 of the active word).
    void setActive(bool value) { setActive(ActiveStatus, value); }
};

#endif // FOLDERKEYWRITER_H
