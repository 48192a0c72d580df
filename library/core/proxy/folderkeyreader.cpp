#include "folderkeyreader.h"

#include "dbid.h"
#include "dbtimestamp.h"
#include "keydisplaytext.h"
#include "qorvassert.h"

#include "folderkey3.pb.h"

FolderKeyReader::FolderKeyReader(const qorv::data::FolderKey &folderKey)
    : m_folderKey(&folderKey)
{
}

FolderKeyReader::~FolderKeyReader() = default;

FolderKeyReader::operator const qorv::data::FolderKey &() const
{
    return *m_folderKey;
}

int FolderKeyReader::folderId() const
{
    const qorv::data::Folder &folder = m_folderKey->folder_key_folder();
    return folder.has_folder_id() ? folder.folder_id() : DbId::m_NullId;
}

std::string FolderKeyReader::folderName() const
{
    return m_folderKey->folder_key_folder().folder_name();
}

std::string FolderKeyReader::description() const
{
    return m_folderKey->folder_key_description();
}

unsigned int FolderKeyReader::properties() const
{
    return m_folderKey->folder_key_properties();
}

std::string FolderKeyReader::creationDate() const
{
    return m_folderKey->folder_key_creation_date();
}

std::string FolderKeyReader::expirationDateDisplay() const
{
    const std::string date = expirationDate();
    QORV_ASSERT(date.empty() || DbTimestamp(date).isValid());
    // Folder keys show their expiration without a fraction of a second.
    return records::LocalRfcDate(date);
}

const qorv::data::User &FolderKeyReader::user() const
{
    return m_folderKey->folder_key_user();
}

const qorv::data::User &FolderKeyReader::owner() const
{
    return m_folderKey->folder_key_owner();
}

const qorv::data::SecurityDescriptor &FolderKeyReader::descriptor() const
{
    return m_folderKey->folder_key_security_descriptor();
}

bool operator==(const FolderKeyReader &left, const FolderKeyReader &right)
{
    if (left.folderId() != right.folderId())
        return false;
    if (left.description() != right.description() || left.folderName() != right.folderName())
        return false;
    return left.sameUserAndDescriptor(right);
}

bool operator!=(const FolderKeyReader &left, const FolderKeyReader &right)
{
    return !(left == right);
}
