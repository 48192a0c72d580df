#include "insertfolderlogevent.h"

#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"

EventIdentity InsertFolderLogEvent::identity()
{
    return {26, tr("Name"), cef::Severity(4)};
}

bool InsertFolderLogEvent::handleEvent()
{
    using Reply = qorv::data::InsertFolderReply;
    using Request = qorv::data::InsertFolderRequest;
    return addNewRecordKeys(&Reply::has_folder_id, &Reply::folder_id, &Request::has_folder, &Request::folder);
}
