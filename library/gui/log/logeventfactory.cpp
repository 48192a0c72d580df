#include "logeventfactory.h"

#include "common/majorcode.h"

#include "authenticateuserlogevent.h"
#include "copydocumenttoclipboardlogevent.h"
#include "copymessagetoclipboardlogevent.h"
#include "deletedocumentlogevent.h"
#include "deletefolderlogevent.h"
#include "deletemessagedocumentlogevent.h"
#include "deletemessagelogevent.h"
#include "deletemessageuserlogevent.h"
#include "exportdocumenttopdffilelogevent.h"
#include "exportdocumenttotextfilelogevent.h"
#include "exportmessagetopdffilelogevent.h"
#include "exportmessagetotextfilelogevent.h"
#include "insertdocumentkeylogevent.h"
#include "insertdocumentlogevent.h"
#include "insertfolderkeylogevent.h"
#include "insertfolderlogevent.h"
#include "insertmessagedocumentlogevent.h"
#include "insertmessagelogevent.h"
#include "insertmessageuserlogevent.h"
#include "pastedocumentfromclipboardlogevent.h"
#include "pastemessagefromclipboardlogevent.h"
#include "printdocumentlogevent.h"
#include "printmessagelogevent.h"
#include "selectdocumentlogevent.h"
#include "selectfolderlogevent.h"
#include "selectmessagelogevent.h"
#include "selectuserlogevent.h"
#include "terminateusersessionlogevent.h"
#include "updatedocumentlogevent.h"
#include "updatefolderlogevent.h"
#include "updatemessagelogevent.h"

namespace
{
template <typename Event>
std::unique_ptr<ReplyLogEvent> MakeReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                         const std::string &request, common::Ercode majorErcode,
                                         common::Ercode minorErcode, const std::string &reply)
{
    return std::make_unique<Event>(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, nullptr);
}

template <typename Event>
std::unique_ptr<RequestLogEvent> MakeRequest(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                             const std::string &request)
{
    return std::make_unique<Event>(majorOpcode, minorOpcode, request, nullptr);
}
}

std::unique_ptr<ReplyLogEvent> MakeReplyLogEvent(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                 const std::string &request, common::Ercode majorErcode,
                                                 common::Ercode minorErcode, const std::string &reply)
{
    using Make = std::unique_ptr<ReplyLogEvent> (*)(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                                    common::Ercode, const std::string &);
    struct Route
    {
        common::Opcode major;
        Make make;
    };
    static constexpr Route routes[] = {
        {common::op::AuthenticateUser, &MakeReply<AuthenticateUserLogEvent>},
        {common::op::TerminateUserSession, &MakeReply<TerminateUserSessionLogEvent>},
        {common::op::DeleteDocument, &MakeReply<DeleteDocumentLogEvent>},
        {common::op::DeleteFolder, &MakeReply<DeleteFolderLogEvent>},
        {common::op::DeleteMessageDocument, &MakeReply<DeleteMessageDocumentLogEvent>},
        {common::op::DeleteMessage, &MakeReply<DeleteMessageLogEvent>},
        {common::op::DeleteMessageUser, &MakeReply<DeleteMessageUserLogEvent>},
        {common::op::InsertDocumentKey, &MakeReply<InsertDocumentKeyLogEvent>},
        {common::op::InsertDocument, &MakeReply<InsertDocumentLogEvent>},
        {common::op::InsertFolderKey, &MakeReply<InsertFolderKeyLogEvent>},
        {common::op::InsertFolder, &MakeReply<InsertFolderLogEvent>},
        {common::op::InsertMessageDocument, &MakeReply<InsertMessageDocumentLogEvent>},
        {common::op::InsertMessage, &MakeReply<InsertMessageLogEvent>},
        {common::op::InsertMessageUser, &MakeReply<InsertMessageUserLogEvent>},
        {common::op::SelectDocument, &MakeReply<SelectDocumentLogEvent>},
        {common::op::SelectFolder, &MakeReply<SelectFolderLogEvent>},
        {common::op::SelectMessage, &MakeReply<SelectMessageLogEvent>},
        {common::op::SelectUser, &MakeReply<SelectUserLogEvent>},
        {common::op::UpdateDocument, &MakeReply<UpdateDocumentLogEvent>},
        {common::op::UpdateFolder, &MakeReply<UpdateFolderLogEvent>},
        {common::op::UpdateMessage, &MakeReply<UpdateMessageLogEvent>},
    };
    for (const Route &route : routes) {
        if (route.major == majorOpcode)
            return route.make(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
    }
    return nullptr;
}

std::unique_ptr<RequestLogEvent> MakeRequestLogEvent(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                     const std::string &request)
{
    using Make = std::unique_ptr<RequestLogEvent> (*)(common::Opcode, common::Opcode, const std::string &);
    struct Route
    {
        common::Opcode major;
        Make make;
    };
    static constexpr Route routes[] = {
        {common::op::LogEventCopyDocumentToClipboard, &MakeRequest<CopyDocumentToClipboardLogEvent>},
        {common::op::LogEventCopyMessageToClipboard, &MakeRequest<CopyMessageToClipboardLogEvent>},
        {common::op::LogEventExportDocumentToPdfFile, &MakeRequest<ExportDocumentToPdfFileLogEvent>},
        {common::op::LogEventExportDocumentToTextFile, &MakeRequest<ExportDocumentToTextFileLogEvent>},
        {common::op::LogEventExportMessageToPdfFile, &MakeRequest<ExportMessageToPdfFileLogEvent>},
        {common::op::LogEventExportMessageToTextFile, &MakeRequest<ExportMessageToTextFileLogEvent>},
        {common::op::LogEventPasteDocumentFromClipboard, &MakeRequest<PasteDocumentFromClipboardLogEvent>},
        {common::op::LogEventPasteMessageFromClipboard, &MakeRequest<PasteMessageFromClipboardLogEvent>},
        {common::op::LogEventPrintDocument, &MakeRequest<PrintDocumentLogEvent>},
        {common::op::LogEventPrintMessage, &MakeRequest<PrintMessageLogEvent>},
    };
    for (const Route &route : routes) {
        if (route.major == majorOpcode)
            return route.make(majorOpcode, minorOpcode, request);
    }
    return nullptr;
}
