#ifndef DOCUMENTKEYREADER_H
#define DOCUMENTKEYREADER_H

#include "documentkeyproxy.h"
#include "keydescriptorreader.h"

#include <string>

namespace qorv::data
{
class Document;
class DocumentKey;
}

// A read-only view over a document key: what every key has, and the revision
// of the document that the key shows.
class DocumentKeyReader : public KeyDescriptorReader<DocumentKeyProxy, qorv::data::DocumentKey, qorv::data::Document>
{
public:
    using KeyDescriptorReader::KeyDescriptorReader;

    int documentId() const { return targetId(); }
    std::string documentName() const { return targetName(); }

    std::string documentRevision() const;
    // False when the key follows the document's current revision (the
    // maximum timestamp) or names no revision.
    bool documentRevisionValid() const;

    std::string expirationDateDisplay() const;
    std::string documentRevisionDisplay() const;
    std::string documentRevisionToolTip() const;
};

// Equal when everything that the user can see or change in a key agrees,
// the revision included; the owner, the properties, the creation date,
// the audits and the expiration action are left out.
bool operator==(const DocumentKeyReader &left, const DocumentKeyReader &right);
bool operator!=(const DocumentKeyReader &left, const DocumentKeyReader &right);

#endif // DOCUMENTKEYREADER_H
