#ifndef FOLDERKEYREADER_H
#define FOLDERKEYREADER_H

#include "folderkeyproxy.h"
#include "keydescriptorreader.h"

#include <string>

namespace qorv::data
{
class FolderKey;
}

// A read-only view over a folder key that the caller owns and keeps alive.
// It reads the record afresh on every call and never fails: an absent field,
// or a field of an absent sub-record, reads as the null id, 0, the empty text
// or false.
class FolderKeyReader : public KeyDescriptorReader<FolderKeyProxy>
{
public:
    explicit FolderKeyReader(const qorv::data::FolderKey &folderKey);
    ~FolderKeyReader() override;

    operator const qorv::data::FolderKey &() const;

    int folderId() const;
    std::string folderName() const;

    std::string description() const;
    unsigned int properties() const override;
    std::string creationDate() const override;

    std::string expirationDateDisplay() const;

private:
    const qorv::data::User &user() const override;
    const qorv::data::User &owner() const override;
    const qorv::data::SecurityDescriptor &descriptor() const override;

    const qorv::data::FolderKey *m_folderKey;
};

// Equal when everything that the user can see or change in a key agrees; the
// owner, the properties, the creation date, the audits and the expiration
// action are left out.
bool operator==(const FolderKeyReader &left, const FolderKeyReader &right);
bool operator!=(const FolderKeyReader &left, const FolderKeyReader &right);

#endif // FOLDERKEYREADER_H
