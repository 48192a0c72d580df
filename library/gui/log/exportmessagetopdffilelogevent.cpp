#include "exportmessagetopdffilelogevent.h"

#include "logeventexportmessagetopdffilerequest3.pb.h"

EventIdentity ExportMessageToPdfFileLogEvent::identity()
{
    return {21, tr("Name"), cef::Severity(7)};
}

bool ExportMessageToPdfFileLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventExportMessageToPdfFileRequest;
    return addActionKeys(&Request::has_message, &Request::message, NameRule::Required, Direction::Out);
}
