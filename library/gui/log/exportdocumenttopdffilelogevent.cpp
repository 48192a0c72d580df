#include "exportdocumenttopdffilelogevent.h"

#include "logeventexportdocumenttopdffilerequest3.pb.h"

EventIdentity ExportDocumentToPdfFileLogEvent::identity()
{
    return {19, tr("Name"), cef::Severity(7)};
}

bool ExportDocumentToPdfFileLogEvent::handleEvent()
{
    using Request = qorv::data::LogEventExportDocumentToPdfFileRequest;
    return addActionKeys(&Request::has_document, &Request::document, NameRule::Required, Direction::Out);
}
