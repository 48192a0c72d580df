#include "exportdocumenttotextfilelogevent.h"

#include "logeventexportdocumenttotextfilerequest3.pb.h"

EventIdentity ExportDocumentToTextFileLogEvent::identity()
{
    return {20, tr("Name"), cef::Severity(7)};
}

bool ExportDocumentToTextFileLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventExportDocumentToTextFileRequest;
    return addActionKeys(&Request::has_document, &Request::document, NameRule::Required, Direction::Out);
}
