#include "attachmentstore.h"

#include "common/majorcode.h"

#include "common/sqlc.h"
#include "testreplies.h"

#include "deletemessagedocumentreply3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "insertmessagedocumentreply3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"

#include <algorithm>

namespace demoserver
{
AttachmentStore::AttachmentStore(DocumentOf documentOf)
    : m_documentOf(std::move(documentOf))
{
}

void AttachmentStore::install(testsupport::TestServer &server)
{
    server.onRequest(common::op::SelectMessageDocument, [this](const testsupport::TestRequest &received) {
        qorv::data::SelectMessageDocumentRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectMessageDocumentReply reply;
        for (const qorv::data::MessageDocument &attachment : attachments(request.message_document_message_id())) {
            if (!request.has_message_document_document_id()
                || attachment.message_document_document_id() == request.message_document_document_id())
                *reply.add_message_document() = attachment;
        }
        return testsupport::Answer(reply);
    });
    server.onRequest(common::op::InsertMessageDocument, [this](const testsupport::TestRequest &received) {
        qorv::data::InsertMessageDocumentRequest request;
        if (!request.ParseFromString(received.payload))
            return testsupport::Refusal<qorv::data::InsertMessageDocumentReply>(1);
        const qorv::data::MessageDocument &attachment = request.message_document();
        const auto held = attachments(attachment.message_document_message_id());
        if (std::any_of(held.begin(), held.end(), [&attachment](const qorv::data::MessageDocument &one) {
                return one.message_document_document_id() == attachment.message_document_document_id();
            }))
            return testsupport::Refusal<qorv::data::InsertMessageDocumentReply>(common::SqlcUniqueViolation);
        add(attachment);
        return testsupport::Done<qorv::data::InsertMessageDocumentReply>();
    });
    server.onRequest(common::op::DeleteMessageDocument, [this](const testsupport::TestRequest &received) {
        qorv::data::DeleteMessageDocumentRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_attachments.erase(
            std::remove_if(m_attachments.begin(), m_attachments.end(),
                           [&request](const qorv::data::MessageDocument &held) {
                               return held.message_document_message_id() == request.message_document_message_id()
                                      && held.message_document_document_id() == request.message_document_document_id();
                           }),
            m_attachments.end());
        return testsupport::Done<qorv::data::DeleteMessageDocumentReply>();
    });
}

void AttachmentStore::add(const qorv::data::MessageDocument &attachment)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_attachments.push_back(attachment);
}

std::vector<qorv::data::MessageDocument> AttachmentStore::attachments(int messageId) const
{
    std::vector<qorv::data::MessageDocument> found;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::copy_if(m_attachments.begin(), m_attachments.end(), std::back_inserter(found),
                     [messageId](const qorv::data::MessageDocument &held) {
                         return held.message_document_message_id() == messageId;
                     });
    }
    for (qorv::data::MessageDocument &attachment : found) {
        const qorv::data::Document document = m_documentOf(attachment.message_document_document_id());
        if (document.has_document_id())
            *attachment.mutable_message_document_document() = document;
    }
    return found;
}
}
