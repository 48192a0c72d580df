#include "folderkeyringmanager.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "folderkeyringview.h"
#include "keyringwindows.h"
#include "userreader.h"

#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace
{
// The keys in the order of their users' alphabetical names ("Last, First
// Middle"; a key without a user under the empty name), compared byte by byte
// as unsigned values, as std::string compares: no locale and no case folding,
// so every upper-case initial comes before every lower-case one. Keys of
// equally named users come in no particular order.
std::vector<const qorv::data::FolderKey *> SortedByUserName(const qorv::data::SelectFolderKeyReply &reply)
{
    std::vector<std::pair<std::string, const qorv::data::FolderKey *>> named;
    named.reserve(static_cast<std::size_t>(reply.folder_key_size()));
    for (const qorv::data::FolderKey &folderKey : reply.folder_key())
        named.emplace_back(UserReader(folderKey.folder_key_user()).displayNameAlphabetical(), &folderKey);
    std::sort(named.begin(), named.end(), [](const auto &left, const auto &right) { return left.first < right.first; });
    std::vector<const qorv::data::FolderKey *> sorted;
    sorted.reserve(named.size());
    for (const auto &entry : named)
        sorted.push_back(entry.second);
    return sorted;
}

// A folder's keyring, whose keys come sorted by their users' names.
struct FolderKeyring
{
    using View = FolderKeyringView;
    using SelectRequest = qorv::data::SelectFolderKeyRequest;
    using SelectReply = qorv::data::SelectFolderKeyReply;

    static int id(const View &keyring) { return keyring.getFolderId(); }
    static int id(const SelectRequest &request) { return request.folder_key_folder_id(); }
    static const std::string &name(const SelectRequest &request) { return request.folder_key_folder_name(); }

    static void addKeys(View &keyring, const SelectReply &reply)
    {
        for (const qorv::data::FolderKey *folderKey : SortedByUserName(reply))
            emit keyring.addFolderKey(*folderKey);
    }
};
}

FolderKeyringManager::FolderKeyringManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void FolderKeyringManager::processReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                        const std::string &request, const std::string &reply)
{
    if (majorOpcode == common::op::SelectFolderKey && minorOpcode == common::tag::OpenFolderKeyring)
        OpenKeyring<FolderKeyring>(m_viewWindowBus, request, reply);
    else if (majorOpcode == common::op::DeleteFolder)
        closeFolderKeyring(request, reply);
}

void FolderKeyringManager::closeFolderKeyring(const std::string &request, const std::string &reply)
{
    // The server answers a deletion it refused without an error pair but with
    // a zero return code, and the document browser keeps the folder then; so
    // does its keyring.
    qorv::data::DeleteFolderRequest deleteFolderRequest;
    qorv::data::DeleteFolderReply deleteFolderReply;
    if (!deleteFolderRequest.ParseFromString(request) || !deleteFolderReply.ParseFromString(reply)
        || deleteFolderReply.return_code() == 0)
        return;
    CloseKeyrings<FolderKeyring>(DbId(deleteFolderRequest.folder_id()));
}
