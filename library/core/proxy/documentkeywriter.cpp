#include "documentkeywriter.h"

#include "dbtimestamp.h"
#include "documentkeyreader.h"
#include "qorvassert.h"

#include "documentkey3.pb.h"

DocumentKeyWriter::DocumentKeyWriter(qorv::data::DocumentKey &documentKey, Initialization)
    : m_documentKey(&documentKey)
{
}

DocumentKeyWriter::~DocumentKeyWriter() = default;

DocumentKeyWriter &DocumentKeyWriter::operator=(const DocumentKeyReader &reader)
{
    const qorv::data::DocumentKey &source = reader;
    if (&source != m_documentKey)
        m_documentKey->CopyFrom(source);
    return *this;
}

void DocumentKeyWriter::setDescription(const std::string &description)
{
    m_documentKey->set_document_key_description(description);
}

void DocumentKeyWriter::setProperties(unsigned int properties)
{
    m_documentKey->set_document_key_properties(properties);
}

void DocumentKeyWriter::setProperty(Property property, bool value)
{
    m_documentKey->set_document_key_properties(setBit(property, m_documentKey->document_key_properties(), value));
}

void DocumentKeyWriter::setDocumentRevision(const std::string &revision)
{
    m_documentKey->set_document_key_document_revision(revision);
}

void DocumentKeyWriter::setCreationDate(const std::string &date)
{
    const DbTimestamp dbTimestamp(date);
    QORV_ASSERT(dbTimestamp.isValid());
    if (!dbTimestamp.isValid())
        return;
    m_documentKey->set_document_key_creation_date(dbTimestamp.toDbString());
}

void DocumentKeyWriter::setDocumentId(int id)
{
    m_documentKey->mutable_document_key_document()->set_document_id(id);
}

void DocumentKeyWriter::setDocumentName(const std::string &name)
{
    m_documentKey->mutable_document_key_document()->set_document_name(name);
}

void DocumentKeyWriter::setUserId(int id)
{
    m_documentKey->mutable_document_key_user()->set_user_id(id);
}

void DocumentKeyWriter::setUserLastName(const std::string &name)
{
    m_documentKey->mutable_document_key_user()->set_user_last_name(name);
}

void DocumentKeyWriter::setUserFirstName(const std::string &name)
{
    m_documentKey->mutable_document_key_user()->set_user_first_name(name);
}

void DocumentKeyWriter::setUserMiddleName(const std::string &name)
{
    m_documentKey->mutable_document_key_user()->set_user_middle_name(name);
}

void DocumentKeyWriter::setActiveRegion(const std::string &region)
{
    descriptor().set_active_region(region);
}

void DocumentKeyWriter::setActiveFrom(const std::string &time)
{
    descriptor().set_active_from(time);
}

void DocumentKeyWriter::setActiveTo(const std::string &time)
{
    descriptor().set_active_to(time);
}

void DocumentKeyWriter::setPassword(const std::string &password)
{
    descriptor().set_password(password);
}

void DocumentKeyWriter::setSessionDuration(int seconds)
{
    descriptor().set_session_duration(seconds);
}

void DocumentKeyWriter::setExpirationDate(const std::string &date)
{
    const DbTimestamp dbTimestamp(date);
    QORV_ASSERT(dbTimestamp.isValid());
    if (!dbTimestamp.isValid())
        return;
    descriptor().set_expiration_date(dbTimestamp.toDbString());
}

void DocumentKeyWriter::setExpirationAction(Action action)
{
    descriptor().set_expiration_action(action);
}

void DocumentKeyWriter::setActive(Active active, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_active(setBit(active, target.active(), value));
}

void DocumentKeyWriter::setActiveOnSunday(bool value)
{
    setActive(ActiveOnSunday, value);
}

void DocumentKeyWriter::setActiveOnMonday(bool value)
{
    setActive(ActiveOnMonday, value);
}

void DocumentKeyWriter::setActiveOnTuesday(bool value)
{
    setActive(ActiveOnTuesday, value);
}

void DocumentKeyWriter::setActiveOnWednesday(bool value)
{
    setActive(ActiveOnWednesday, value);
}

void DocumentKeyWriter::setActiveOnThursday(bool value)
{
    setActive(ActiveOnThursday, value);
}

void DocumentKeyWriter::setActiveOnFriday(bool value)
{
    setActive(ActiveOnFriday, value);
}

void DocumentKeyWriter::setActiveOnSaturday(bool value)
{
    setActive(ActiveOnSaturday, value);
}

void DocumentKeyWriter::setActiveDuringJanuary(bool value)
{
    setActive(ActiveDuringJanuary, value);
}

void DocumentKeyWriter::setActiveDuringFebruary(bool value)
{
    setActive(ActiveDuringFebruary, value);
}

void DocumentKeyWriter::setActiveDuringMarch(bool value)
{
    setActive(ActiveDuringMarch, value);
}

void DocumentKeyWriter::setActiveDuringApril(bool value)
{
    setActive(ActiveDuringApril, value);
}

void DocumentKeyWriter::setActiveDuringMay(bool value)
{
    setActive(ActiveDuringMay, value);
}

void DocumentKeyWriter::setActiveDuringJune(bool value)
{
    setActive(ActiveDuringJune, value);
}

void DocumentKeyWriter::setActiveDuringJuly(bool value)
{
    setActive(ActiveDuringJuly, value);
}

void DocumentKeyWriter::setActiveDuringAugust(bool value)
{
    setActive(ActiveDuringAugust, value);
}

void DocumentKeyWriter::setActiveDuringSeptember(bool value)
{
    setActive(ActiveDuringSeptember, value);
}

void DocumentKeyWriter::setActiveDuringOctober(bool value)
{
    setActive(ActiveDuringOctober, value);
}

void DocumentKeyWriter::setActiveDuringNovember(bool value)
{
    setActive(ActiveDuringNovember, value);
}

void DocumentKeyWriter::setActiveDuringDecember(bool value)
{
    setActive(ActiveDuringDecember, value);
}

void DocumentKeyWriter::setPermission(Permission permission, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_permissions(setBit(permission, target.permissions(), value));
}

void DocumentKeyWriter::setAudit(Audit audit, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_audits(setBit(audit, target.audits(), value));
}

qorv::data::SecurityDescriptor &DocumentKeyWriter::descriptor()
{
    return *m_documentKey->mutable_document_key_security_descriptor();
}
