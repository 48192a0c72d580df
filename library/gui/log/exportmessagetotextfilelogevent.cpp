#include "exportmessagetotextfilelogevent.h"

#include "logeventexportmessagetotextfilerequest3.pb.h"

EventIdentity ExportMessageToTextFileLogEvent::identity()
{
    return {22, tr("Name"), cef::Severity(7)};
}

bool ExportMessageToTextFileLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventExportMessageToTextFileRequest;
    return addActionKeys(&Request::has_message, &Request::message, NameRule::Required, Direction::Out);
}
