#include "auditedrecord.h"

#include "document3.pb.h"
#include "folder3.pb.h"
#include "message3.pb.h"

AuditedRecord Audited(const qorv::data::Document *document)
{
    if (document == nullptr)
        return {&DocumentKind};
    return {&DocumentKind,
            true,
            document->has_document_id(),
            document->document_id(),
            document->has_document_name(),
            document->document_name(),
            document->document_description()};
}

AuditedRecord Audited(const qorv::data::Folder *folder)
{
    if (folder == nullptr)
        return {&FolderKind};
    return {&FolderKind,
            true,
            folder->has_folder_id(),
            folder->folder_id(),
            folder->has_folder_name(),
            folder->folder_name(),
            folder->folder_description()};
}

AuditedRecord Audited(const qorv::data::Message *message)
{
    if (message == nullptr)
        return {&MessageKind};
    return {&MessageKind,
            true,
            message->has_message_id(),
            message->message_id(),
            message->has_message_subject(),
            message->message_subject()};
}
