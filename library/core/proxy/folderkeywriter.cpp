#include "folderkeywriter.h"

#include "folderkeyreader.h"

#include "folderkey3.pb.h"

FolderKeyWriter::FolderKeyWriter(qorv::data::FolderKey &folderKey)
    : m_folderKey(&folderKey)
{
}

FolderKeyWriter::~FolderKeyWriter() = default;

FolderKeyWriter &FolderKeyWriter::operator=(const FolderKeyReader &reader)
{
    const qorv::data::FolderKey &source = reader;
    if (&source != m_folderKey)
        m_folderKey->CopyFrom(source);
    return *this;
}

void FolderKeyWriter::setDescription(const std::string &description)
{
    m_folderKey->set_folder_key_description(description);
}

void FolderKeyWriter::setProperties(unsigned int properties)
{
    m_folderKey->set_folder_key_properties(properties);
}

void FolderKeyWriter::setProperty(Property property, bool value)
{
    m_folderKey->set_folder_key_properties(setBit(property, m_folderKey->folder_key_properties(), value));
}

void FolderKeyWriter::setCreationDate(const std::string &date)
{
    m_folderKey->set_folder_key_creation_date(date);
}

void FolderKeyWriter::setFolderId(int id)
{
    m_folderKey->mutable_folder_key_folder()->set_folder_id(id);
}

void FolderKeyWriter::setFolderName(const std::string &name)
{
    m_folderKey->mutable_folder_key_folder()->set_folder_name(name);
}

void FolderKeyWriter::setExpirationDate(const std::string &date)
{
    descriptor().set_expiration_date(date);
}

void FolderKeyWriter::setActive(bool value)
{
    setActive(ActiveStatus, value);
}

qorv::data::User &FolderKeyWriter::user()
{
    return *m_folderKey->mutable_folder_key_user();
}

qorv::data::SecurityDescriptor &FolderKeyWriter::descriptor()
{
    return *m_folderKey->mutable_folder_key_security_descriptor();
}
