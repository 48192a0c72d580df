#ifndef DOCUMENTREADER_H
#define DOCUMENTREADER_H

#include "documentproxy.h"

namespace qorv::data
{
class Document;
}

// A read-only view over a document that the caller owns and keeps alive.
class DocumentReader : public DocumentProxy
{
public:
    explicit DocumentReader(const qorv::data::Document &document);
    ~DocumentReader() override;

    // Whether every field that the server needs is present, the descriptor's
    // included (its passcode aside). The id is not needed: a new document has
    // none yet. Only presence counts, not the values.
    bool isValid() const;

private:
    const qorv::data::Document *m_document;
};

#endif // DOCUMENTREADER_H
