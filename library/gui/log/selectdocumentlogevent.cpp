#include "selectdocumentlogevent.h"

#include "selectdocumentreply3.pb.h"

EventIdentity SelectDocumentLogEvent::identity()
{
    return {41, tr("Name"), cef::Severity(1)};
}

bool SelectDocumentLogEvent::handleEvent()
{
    return addIdList(&qorv::data::SelectDocumentReply::document, &qorv::data::Document::document_id, "documentIdList");
}
