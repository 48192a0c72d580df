#ifndef AUDITEDID_H
#define AUDITEDID_H

#include <utility>

// One of the two ids of a line that names two records, such as a message and
// a document attached to it, with the warnings for it missing or null.
struct AuditedId
{
    bool present;
    int id;
    const char *missing;
    const char *invalid;
    const char *label;
};

// The builders read any generated message that carries the pair's fields
// under their usual names: the pair's own record, or a request that names
// the pair in fields of its own.

// A message and a document attached to it.
template <class Fields>
std::pair<AuditedId, AuditedId> AttachmentIds(const Fields &fields)
{
    return {{fields.has_message_document_message_id(), fields.message_document_message_id(),
             "Bad message document message id!", "Invalid message id!", "messageId"},
            {fields.has_message_document_document_id(), fields.message_document_document_id(),
             "Bad message document document id!", "Invalid document id!", "documentId"}};
}

// A message and one of its recipients.
template <class Fields>
std::pair<AuditedId, AuditedId> RecipientIds(const Fields &fields)
{
    return {{fields.has_message_user_message_id(), fields.message_user_message_id(), "Bad message user message id!",
             "Invalid message id!", "messageId"},
            {fields.has_message_user_user_id(), fields.message_user_user_id(), "Bad message user user id!",
             "Invalid user id!", "userId"}};
}

#endif // AUDITEDID_H
