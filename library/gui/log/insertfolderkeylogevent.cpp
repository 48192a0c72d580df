#include "insertfolderkeylogevent.h"

#include "insertfolderkeyrequest3.pb.h"

EventIdentity InsertFolderKeyLogEvent::identity()
{
    return {27, tr("Name"), cef::Severity(4)};
}

bool InsertFolderKeyLogEvent::handleEvent()
{
    using Request = qorv::data::InsertFolderKeyRequest;
    using Key = qorv::data::FolderKey;
    return addKeyGrant(&Request::has_folder_key, &Request::folder_key, &Key::has_folder_key_folder,
                       &Key::folder_key_folder, &Key::has_folder_key_user, &Key::folder_key_user);
}
