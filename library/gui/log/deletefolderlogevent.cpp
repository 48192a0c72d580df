#include "deletefolderlogevent.h"

#include "deletefolderrequest3.pb.h"

EventIdentity DeleteFolderLogEvent::identity()
{
    return {9, tr("Name"), cef::Severity(5)};
}

bool DeleteFolderLogEvent::handleEvent()
{
    using Request = qorv::data::DeleteFolderRequest;
    return addDeleteKeys(FolderKind, &Request::has_folder_id, &Request::folder_id, &Request::has_folder_name,
                         &Request::folder_name);
}
