#include "folderancestry.h"

#include "common/majorcode.h"
#include "dbid.h"
#include "directexchange.h"

#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"

#include <algorithm>
#include <set>

namespace folderancestry
{
namespace
{
// Far deeper than any folder tree a user keeps; a server that keeps naming
// new parents beyond it is not believed.
constexpr int DeepestWalk = 1000;

FolderAncestry::Parent ServerParentOf(int folderId)
{
    FolderAncestry::Parent parent;
    qorv::data::SelectFolderRequest request;
    request.set_folder_id(folderId);
    qorv::data::SelectFolderReply reply;
    if (!network::DirectExchange(common::op::SelectFolder, request, reply, network::ReplyErrorCodes::Checked))
        return parent;
    const auto found =
        std::find_if(reply.folder().begin(), reply.folder().end(),
                     [folderId](const qorv::data::Folder &folder) { return folder.folder_id() == folderId; });
    if (found == reply.folder().end() || !found->has_folder_parent_id()) {
        parent.kind = FolderAncestry::Parent::Kind::Top;
        return parent;
    }
    const DbId parentId(found->folder_parent_id());
    if (parentId.null() || parentId == DbId::m_RootId) {
        parent.kind = FolderAncestry::Parent::Kind::Top;
        return parent;
    }
    parent.kind = FolderAncestry::Parent::Kind::Known;
    parent.id = parentId;
    return parent;
}
}
}

FolderAncestry::FolderAncestry(int homeFolderId, ParentLookup parentOf)
    : m_homeFolderId(homeFolderId)
    , m_parentOf(std::move(parentOf))
{
}

FolderAncestry FolderAncestry::onServer(int homeFolderId)
{
    return FolderAncestry(homeFolderId, folderancestry::ServerParentOf);
}

bool FolderAncestry::contains(int ancestorId, int folderId) const
{
    std::set<int> visited;
    int current = folderId;
    for (int step = 0; step < folderancestry::DeepestWalk; ++step) {
        if (current == ancestorId)
            return true;
        if (current == m_homeFolderId)
            return false;
        if (!visited.insert(current).second)
            return true;
        const Parent parent = m_parentOf(current);
        if (parent.kind == Parent::Kind::Top)
            return false;
        if (parent.kind == Parent::Kind::Unanswered)
            return true;
        current = parent.id;
    }
    return true;
}
