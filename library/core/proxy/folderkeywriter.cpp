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

void FolderKeyWriter::setUserId(int id)
{
    m_folderKey->mutable_folder_key_user()->set_user_id(id);
}

void FolderKeyWriter::setUserLastName(const std::string &name)
{
    m_folderKey->mutable_folder_key_user()->set_user_last_name(name);
}

void FolderKeyWriter::setUserFirstName(const std::string &name)
{
    m_folderKey->mutable_folder_key_user()->set_user_first_name(name);
}

void FolderKeyWriter::setUserMiddleName(const std::string &name)
{
    m_folderKey->mutable_folder_key_user()->set_user_middle_name(name);
}

void FolderKeyWriter::setActiveRegion(const std::string &region)
{
    descriptor().set_active_region(region);
}

void FolderKeyWriter::setActiveFrom(const std::string &time)
{
    descriptor().set_active_from(time);
}

void FolderKeyWriter::setActiveTo(const std::string &time)
{
    descriptor().set_active_to(time);
}

void FolderKeyWriter::setPassword(const std::string &password)
{
    descriptor().set_password(password);
}

void FolderKeyWriter::setSessionDuration(int seconds)
{
    descriptor().set_session_duration(seconds);
}

void FolderKeyWriter::setExpirationDate(const std::string &date)
{
    descriptor().set_expiration_date(date);
}

void FolderKeyWriter::setExpirationAction(ExpirationAction action)
{
    descriptor().set_expiration_action(action);
}

void FolderKeyWriter::setActive(bool value)
{
    setActive(ActiveStatus, value);
}

void FolderKeyWriter::setActive(Active active, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_active(setBit(active, target.active(), value));
}

void FolderKeyWriter::setActiveOnSunday(bool value)
{
    setActive(ActiveOnSunday, value);
}

void FolderKeyWriter::setActiveOnMonday(bool value)
{
    setActive(ActiveOnMonday, value);
}

void FolderKeyWriter::setActiveOnTuesday(bool value)
{
    setActive(ActiveOnTuesday, value);
}

void FolderKeyWriter::setActiveOnWednesday(bool value)
{
    setActive(ActiveOnWednesday, value);
}

void FolderKeyWriter::setActiveOnThursday(bool value)
{
    setActive(ActiveOnThursday, value);
}

void FolderKeyWriter::setActiveOnFriday(bool value)
{
    setActive(ActiveOnFriday, value);
}

void FolderKeyWriter::setActiveOnSaturday(bool value)
{
    setActive(ActiveOnSaturday, value);
}

void FolderKeyWriter::setActiveDuringJanuary(bool value)
{
    setActive(ActiveDuringJanuary, value);
}

void FolderKeyWriter::setActiveDuringFebruary(bool value)
{
    setActive(ActiveDuringFebruary, value);
}

void FolderKeyWriter::setActiveDuringMarch(bool value)
{
    setActive(ActiveDuringMarch, value);
}

void FolderKeyWriter::setActiveDuringApril(bool value)
{
    setActive(ActiveDuringApril, value);
}

void FolderKeyWriter::setActiveDuringMay(bool value)
{
    setActive(ActiveDuringMay, value);
}

void FolderKeyWriter::setActiveDuringJune(bool value)
{
    setActive(ActiveDuringJune, value);
}

void FolderKeyWriter::setActiveDuringJuly(bool value)
{
    setActive(ActiveDuringJuly, value);
}

void FolderKeyWriter::setActiveDuringAugust(bool value)
{
    setActive(ActiveDuringAugust, value);
}

void FolderKeyWriter::setActiveDuringSeptember(bool value)
{
    setActive(ActiveDuringSeptember, value);
}

void FolderKeyWriter::setActiveDuringOctober(bool value)
{
    setActive(ActiveDuringOctober, value);
}

void FolderKeyWriter::setActiveDuringNovember(bool value)
{
    setActive(ActiveDuringNovember, value);
}

void FolderKeyWriter::setActiveDuringDecember(bool value)
{
    setActive(ActiveDuringDecember, value);
}

void FolderKeyWriter::setPermission(Permission permission, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_permissions(setBit(permission, target.permissions(), value));
}

void FolderKeyWriter::setAudit(Audit audit, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_audits(setBit(audit, target.audits(), value));
}

qorv::data::SecurityDescriptor &FolderKeyWriter::descriptor()
{
    return *m_folderKey->mutable_folder_key_security_descriptor();
}
