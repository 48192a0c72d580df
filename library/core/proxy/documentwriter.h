#ifndef DOCUMENTWRITER_H
#define DOCUMENTWRITER_H

#include "documentproxy.h"

namespace qorv::data
{
class Document;
}

// Gives a new document that the caller owns its defaults before the caller
// fills in owner, folder, name and description: no ids, empty texts, both
// dates now, and a descriptor that opens everything and never expires
// (permissive) or opens nothing and has expired (restrictive). With
// NoDefaults it only binds and writes nothing.
class DocumentWriter : public DocumentProxy
{
public:
    DocumentWriter(qorv::data::Document &document, Initialization initialization);
    ~DocumentWriter() override;

    DocumentWriter(const DocumentWriter &) = delete;
    DocumentWriter &operator=(const DocumentWriter &) = delete;

private:
    qorv::data::Document *m_document;
};

#endif // DOCUMENTWRITER_H
