#include "selectfolderlogevent.h"

#include "selectfolderreply3.pb.h"

EventIdentity SelectFolderLogEvent::identity()
{
    return {43, tr("Name"), cef::Severity(1)};
}

bool SelectFolderLogEvent::handleEvent()
{
    return addIdList(&qorv::data::SelectFolderReply::folder, &qorv::data::Folder::folder_id, "folderIdList");
}
