#include "messageaudit.h"

#include "abstractmainwindow.h"
#include "common/majorcode.h"

#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "logeventexportmessagetopdffilerequest3.pb.h"
#include "logeventexportmessagetotextfilerequest3.pb.h"
#include "logeventpastemessagefromclipboardrequest3.pb.h"
#include "logeventprintmessagerequest3.pb.h"

#include <string>

namespace
{
template <class LogRequest>
std::string Payload(const qorv::data::Message &message, unsigned size)
{
    LogRequest request;
    *request.mutable_message() = message;
    request.set_size(static_cast<int>(size));
    std::string payload;
    if (!request.SerializeToString(&payload))
        payload.clear();
    return payload;
}
}

void DeliverMessageAudit(AbstractMainWindow &window, common::Opcode majorOpcode, const qorv::data::Message &message,
                         unsigned size)
{
    std::string payload;
    switch (majorOpcode) {
    case common::op::LogEventCopyMessageToClipboard:
        payload = Payload<qorv::data::LogEventCopyMessageToClipboardRequest>(message, size);
        break;
    case common::op::LogEventExportMessageToPdfFile:
        payload = Payload<qorv::data::LogEventExportMessageToPdfFileRequest>(message, size);
        break;
    case common::op::LogEventExportMessageToTextFile:
        payload = Payload<qorv::data::LogEventExportMessageToTextFileRequest>(message, size);
        break;
    case common::op::LogEventPasteMessageFromClipboard:
        payload = Payload<qorv::data::LogEventPasteMessageFromClipboardRequest>(message, size);
        break;
    case common::op::LogEventPrintMessage:
        payload = Payload<qorv::data::LogEventPrintMessageRequest>(message, size);
        break;
    default:
        return;
    }
    if (!payload.empty())
        emit window.deliverRequest(majorOpcode, 1, payload);
}
