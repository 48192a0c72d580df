#include "documentkeywriter.h"

#include "dbtimestamp.h"
#include "documentkeyreader.h"
#include "qorvassert.h"

#include "documentkey3.pb.h"

DocumentKeyWriter::DocumentKeyWriter(qorv::data::DocumentKey &documentKey, Initialization)
    : KeyDescriptorWriter(documentKey)
{
}

DocumentKeyWriter &DocumentKeyWriter::operator=(const DocumentKeyReader &reader)
{
    copyFrom(reader);
    return *this;
}

void DocumentKeyWriter::setDocumentRevision(const std::string &revision)
{
    key().set_document_key_document_revision(revision);
}

void DocumentKeyWriter::setCreationDate(const std::string &date)
{
    const DbTimestamp dbTimestamp(date);
    QORV_ASSERT(dbTimestamp.isValid());
    if (!dbTimestamp.isValid())
        return;
    storeCreationDate(dbTimestamp.toDbString());
}

void DocumentKeyWriter::setExpirationDate(const std::string &date)
{
    const DbTimestamp dbTimestamp(date);
    QORV_ASSERT(dbTimestamp.isValid());
    if (!dbTimestamp.isValid())
        return;
    storeExpirationDate(dbTimestamp.toDbString());
}
