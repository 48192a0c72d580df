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

void DocumentKeyWriter::setExpirationDate(const std::string &date)
{
    const DbTimestamp dbTimestamp(date);
    QORV_ASSERT(dbTimestamp.isValid());
    if (!dbTimestamp.isValid())
        return;
    descriptor().set_expiration_date(dbTimestamp.toDbString());
}

qorv::data::User &DocumentKeyWriter::user()
{
    return *m_documentKey->mutable_document_key_user();
}

qorv::data::SecurityDescriptor &DocumentKeyWriter::descriptor()
{
    return *m_documentKey->mutable_document_key_security_descriptor();
}
