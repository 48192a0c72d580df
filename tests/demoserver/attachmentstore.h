#ifndef DEMOSERVER_ATTACHMENTSTORE_H
#define DEMOSERVER_ATTACHMENTSTORE_H

#include "testserver.h"

#include "document3.pb.h"
#include "messagedocument3.pb.h"

#include <functional>
#include <mutex>
#include <vector>

namespace demoserver
{
// The documents attached to messages (select 48, insert 28, delete 13). A
// message's attachments are listed for whoever reads it, author or
// recipient, each with the document as it stands now.
class AttachmentStore
{
public:
    using DocumentOf = std::function<qorv::data::Document(int documentId)>;

    explicit AttachmentStore(DocumentOf documentOf);

    void install(testsupport::TestServer &server);
    void add(const qorv::data::MessageDocument &attachment);
    std::vector<qorv::data::MessageDocument> attachments(int messageId) const;

private:
    DocumentOf m_documentOf;
    mutable std::mutex m_mutex;
    std::vector<qorv::data::MessageDocument> m_attachments;
};
}

#endif // DEMOSERVER_ATTACHMENTSTORE_H
