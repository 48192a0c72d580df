#ifndef DOCUMENTKEYREADER_H
#define DOCUMENTKEYREADER_H

#include "documentkeyproxy.h"
#include "keydescriptorreader.h"

#include <string>

namespace qorv::data
{
class DocumentKey;
}

// A read-only view over a document key that the caller owns and keeps alive.
// It reads the record afresh on every call and never fails: an absent field,
// or a field of an absent sub-record, reads as the null id, 0, the empty text
// or false.
class DocumentKeyReader : public KeyDescriptorReader<DocumentKeyProxy>
{
public:
    explicit DocumentKeyReader(const qorv::data::DocumentKey &documentKey);
    ~DocumentKeyReader() override;

    operator const qorv::data::DocumentKey &() const;

    int documentId() const;
    std::string documentName() const;

    std::string description() const;
    unsigned int properties() const override;
    std::string documentRevision() const;
    std::string creationDate() const override;

    // False when the key follows the document's current revision (the
    // maximum timestamp) or names no revision.
    bool documentRevisionValid() const;

    std::string expirationDateDisplay() const;
    std::string documentRevisionDisplay() const;
    std::string documentRevisionToolTip() const;

private:
    const qorv::data::User &user() const override;
    const qorv::data::User &owner() const override;
    const qorv::data::SecurityDescriptor &descriptor() const override;

    const qorv::data::DocumentKey *m_documentKey;
};

// Equal when everything that the user can see or change in a key agrees; the
// owner, the properties, the creation date, the audits and the expiration
// action are left out.
bool operator==(const DocumentKeyReader &left, const DocumentKeyReader &right);
bool operator!=(const DocumentKeyReader &left, const DocumentKeyReader &right);

#endif // DOCUMENTKEYREADER_H
