#include "common/auditroute.h"

#include "common/auditkind.h"
#include "common/majorcode.h"

namespace common
{
namespace
{
struct AuditedCode
{
    Opcode major;
    Evcode kind;
};

// Positive majors are audited replies, negative ones audited local requests.
constexpr AuditedCode kAudited[] = {
    {op::AuthenticateUser, audit::AuthenticateUser},
    {op::TerminateUserSession, audit::TerminateUserSession},
    {op::DeleteDocument, audit::DeleteDocument},
    {op::DeleteFolder, audit::DeleteFolder},
    {op::DeleteMessageDocument, audit::DeleteMessageDocument},
    {op::DeleteMessage, audit::DeleteMessage},
    {op::DeleteMessageUser, audit::DeleteMessageUser},
    {op::InsertDocumentKey, audit::InsertDocumentKey},
    {op::InsertDocument, audit::InsertDocument},
    {op::InsertFolderKey, audit::InsertFolderKey},
    {op::InsertFolder, audit::InsertFolder},
    {op::InsertMessageDocument, audit::InsertMessageDocument},
    {op::InsertMessage, audit::InsertMessage},
    {op::InsertMessageUser, audit::InsertMessageUser},
    {op::SelectDocument, audit::SelectDocument},
    {op::SelectFolder, audit::SelectFolder},
    {op::SelectMessage, audit::SelectMessage},
    {op::SelectUser, audit::SelectUser},
    {op::UpdateDocument, audit::UpdateDocument},
    {op::UpdateFolder, audit::UpdateFolder},
    {op::UpdateMessage, audit::UpdateMessage},

    {op::LogEventCopyDocumentToClipboard, audit::CopyDocumentToClipboard},
    {op::LogEventCopyMessageToClipboard, audit::CopyMessageToClipboard},
    {op::LogEventExportDocumentToPdfFile, audit::ExportDocumentToPdfFile},
    {op::LogEventExportDocumentToTextFile, audit::ExportDocumentToTextFile},
    {op::LogEventExportMessageToPdfFile, audit::ExportMessageToPdfFile},
    {op::LogEventExportMessageToTextFile, audit::ExportMessageToTextFile},
    {op::LogEventPasteDocumentFromClipboard, audit::PasteDocumentFromClipboard},
    {op::LogEventPasteMessageFromClipboard, audit::PasteMessageFromClipboard},
    {op::LogEventPrintDocument, audit::PrintDocument},
    {op::LogEventPrintMessage, audit::PrintMessage},
};

Evcode AuditKind(Opcode major)
{
    for (const AuditedCode &code : kAudited) {
        if (code.major == major)
            return code.kind;
    }
    return audit::None;
}
}

Evcode ReplyAuditKind(Opcode major)
{
    return major > 0 ? AuditKind(major) : audit::None;
}

Evcode LocalRequestAuditKind(Opcode major)
{
    return major < 0 ? AuditKind(major) : audit::None;
}

bool IsAuditedReply(Opcode major)
{
    return ReplyAuditKind(major) != audit::None;
}

bool IsAuditedLocalRequest(Opcode major)
{
    return LocalRequestAuditKind(major) != audit::None;
}
}
