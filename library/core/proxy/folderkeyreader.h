#ifndef FOLDERKEYREADER_H
#define FOLDERKEYREADER_H

#include "folderkeyproxy.h"
#include "keydescriptorreader.h"

#include <string>

namespace qorv::data
{
class Folder;
class FolderKey;
}

// A read-only view over a folder key. A folder key has no revision.
class FolderKeyReader : public KeyDescriptorReader<FolderKeyProxy, qorv::data::FolderKey, qorv::data::Folder>
{
public:
    using KeyDescriptorReader::KeyDescriptorReader;

    int folderId() const { return targetId(); }
    std::string folderName() const { return targetName(); }

    // Folder keys show their expiration without a fraction of a second.
    std::string expirationDateDisplay() const;
};

// Equal when everything that the user can see or change in a key agrees;
// the owner, the properties, the creation date, the audits and the
// expiration action are left out.
bool operator==(const FolderKeyReader &left, const FolderKeyReader &right);
bool operator!=(const FolderKeyReader &left, const FolderKeyReader &right);

#endif // FOLDERKEYREADER_H
