#include "documentkeyreader.h"

#include "dbid.h"
#include "dbtimestamp.h"
#include "keydisplaytext.h"
#include "qorvassert.h"

#include "documentkey3.pb.h"

DocumentKeyReader::DocumentKeyReader(const qorv::data::DocumentKey &documentKey)
    : m_documentKey(&documentKey)
{
}

DocumentKeyReader::~DocumentKeyReader() = default;

DocumentKeyReader::operator const qorv::data::DocumentKey &() const
{
    return *m_documentKey;
}

int DocumentKeyReader::documentId() const
{
    const qorv::data::Document &document = m_documentKey->document_key_document();
    return document.has_document_id() ? document.document_id() : DbId::m_NullId;
}

std::string DocumentKeyReader::documentName() const
{
    return m_documentKey->document_key_document().document_name();
}

std::string DocumentKeyReader::description() const
{
    return m_documentKey->document_key_description();
}

unsigned int DocumentKeyReader::properties() const
{
    return m_documentKey->document_key_properties();
}

std::string DocumentKeyReader::documentRevision() const
{
    return m_documentKey->document_key_document_revision();
}

std::string DocumentKeyReader::creationDate() const
{
    return m_documentKey->document_key_creation_date();
}

bool DocumentKeyReader::documentRevisionValid() const
{
    if (!m_documentKey->has_document_key_document_revision())
        return false;
    return !DbTimestamp(documentRevision()).isMaxTimestamp();
}

std::string DocumentKeyReader::expirationDateDisplay() const
{
    const std::string date = expirationDate();
    QORV_ASSERT(date.empty() || DbTimestamp(date).isValid());
    return records::LocalDisplayDate(date);
}

std::string DocumentKeyReader::documentRevisionDisplay() const
{
    return documentRevisionValid() ? records::LocalRfcDate(documentRevision()) : std::string();
}

std::string DocumentKeyReader::documentRevisionToolTip() const
{
    return documentRevisionValid() ? records::LocalDisplayDate(documentRevision()) : std::string();
}

const qorv::data::User &DocumentKeyReader::user() const
{
    return m_documentKey->document_key_user();
}

const qorv::data::User &DocumentKeyReader::owner() const
{
    return m_documentKey->document_key_owner();
}

const qorv::data::SecurityDescriptor &DocumentKeyReader::descriptor() const
{
    return m_documentKey->document_key_security_descriptor();
}

bool operator==(const DocumentKeyReader &left, const DocumentKeyReader &right)
{
    if (left.documentId() != right.documentId())
        return false;
    if (left.description() != right.description() || left.documentName() != right.documentName())
        return false;
    return left.sameUserAndDescriptor(right) && left.documentRevision() == right.documentRevision();
}

bool operator!=(const DocumentKeyReader &left, const DocumentKeyReader &right)
{
    return !(left == right);
}
