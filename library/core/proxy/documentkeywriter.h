#ifndef DOCUMENTKEYWRITER_H
#define DOCUMENTKEYWRITER_H

#include "documentkeyproxy.h"
#include "keydescriptorwriter.h"

#include <string>

namespace qorv::data
{
class Document;
class DocumentKey;
}

class DocumentKeyReader;

// Sets the fields of a document key: what every key has, the revision of the
// document that the key shows, and dates that must be valid timestamps.
class DocumentKeyWriter : public KeyDescriptorWriter<DocumentKeyProxy, qorv::data::DocumentKey, qorv::data::Document>
{
public:
    // The initialisation is accepted for symmetry with the other writers; a
    // key is only ever filled field by field.
    DocumentKeyWriter(qorv::data::DocumentKey &documentKey, Initialization initialization);

    // Replaces the whole key by a copy of the one the reader views.
    DocumentKeyWriter &operator=(const DocumentKeyReader &reader);

    void setDocumentId(int id) { setTargetId(id); }
    void setDocumentName(const std::string &name) { setTargetName(name); }
    // "9999-12-31 00:00:00" follows the document's current revision.
    void setDocumentRevision(const std::string &revision);

    // The dates must be valid timestamps; they are stored in the database
    // form, whatever form they are given in. An invalid date is refused.
    void setCreationDate(const std::string &date);
    void setExpirationDate(const std::string &date);
};

#endif // DOCUMENTKEYWRITER_H
