#include "updatefolderlogevent.h"

#include "updatefolderrequest3.pb.h"

EventIdentity UpdateFolderLogEvent::identity()
{
    return {58, tr("Name"), cef::Severity(4)};
}

bool UpdateFolderLogEvent::handleEvent()
{
    using Request = qorv::data::UpdateFolderRequest;
    return addUpdateKeys(&Request::has_folder, &Request::folder, NameRule::Optional);
}
