#ifndef DOCUMENTKEYWRITER_H
#define DOCUMENTKEYWRITER_H

#include "documentkeyproxy.h"
#include "keydescriptorwriter.h"

#include <string>

namespace qorv::data
{
class DocumentKey;
}

class DocumentKeyReader;

// Sets the fields of a document key that the caller owns, one at a time. Each
// setter makes its field present and creates the document, user or security
// descriptor on the way when the key lacks it. Nothing is checked beyond the
// dates: judging the key as a whole is for the validators and the server.
class DocumentKeyWriter : public KeyDescriptorWriter<DocumentKeyProxy>
{
public:
    // The initialisation is accepted for symmetry with the other writers; a
    // key is only ever filled field by field.
    DocumentKeyWriter(qorv::data::DocumentKey &documentKey, Initialization initialization);
    ~DocumentKeyWriter() override;

    DocumentKeyWriter(const DocumentKeyWriter &) = delete;
    DocumentKeyWriter &operator=(const DocumentKeyWriter &) = delete;

    // Replaces the whole key by a copy of the one the reader views.
    DocumentKeyWriter &operator=(const DocumentKeyReader &reader);

    void setDescription(const std::string &description);
    void setProperties(unsigned int properties);
    void setProperty(Property property, bool value);
    // "9999-12-31 00:00:00" follows the document's current revision.
    void setDocumentRevision(const std::string &revision);
    // The dates must be valid timestamps; they are stored in the database
    // form, whatever form they are given in. An invalid date is refused.
    void setCreationDate(const std::string &date);
    void setDocumentId(int id);
    void setDocumentName(const std::string &name);

    void setExpirationDate(const std::string &date);

private:
    qorv::data::User &user() override;
    qorv::data::SecurityDescriptor &descriptor() override;

    qorv::data::DocumentKey *m_documentKey;
};

#endif // DOCUMENTKEYWRITER_H
