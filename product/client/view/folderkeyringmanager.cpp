#include "folderkeyringmanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dbid.h"
#include "showonbus.h"
#include "standinfolderkeyringview.h"
#include "userreader.h"
#include "viewwindowlookup.h"

#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QString>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace
{
using FolderKeyRingAction = ViewWindowAction;

bool FolderKeyringViewExists(int folderId, FolderKeyRingAction action)
{
    return ApplyToViewWindows<StandInFolderKeyringView>(
        folderId, [](const StandInFolderKeyringView &keyring) { return keyring.getFolderId(); }, action);
}

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
    std::sort(named.begin(), named.end(),
              [](const auto &left, const auto &right) { return left.first < right.first; });
    std::vector<const qorv::data::FolderKey *> sorted;
    sorted.reserve(named.size());
    for (const auto &entry : named)
        sorted.push_back(entry.second);
    return sorted;
}
}

FolderKeyringManager::FolderKeyringManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void FolderKeyringManager::processReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                        const std::string &request, const std::string &reply)
{
    if (majorOpcode == common::op::SelectFolderKey && minorOpcode == common::tag::OpenFolderKeyring)
        openFolderKeyring(request, reply);
    else if (majorOpcode == common::op::DeleteFolder)
        closeFolderKeyring(request, reply);
}

void FolderKeyringManager::openFolderKeyring(const std::string &request, const std::string &reply) const
{
    qorv::data::SelectFolderKeyRequest selectFolderKeyRequest;
    if (!selectFolderKeyRequest.ParseFromString(request))
        return;
    const int folderId = selectFolderKeyRequest.folder_key_folder_id();
    if (FolderKeyringViewExists(folderId, FolderKeyRingAction::Raise))
        return;
    // A keyring built from a failed select would pass off the missing keys as
    // a folder without keys.
    qorv::data::SelectFolderKeyReply selectFolderKeyReply;
    if (!selectFolderKeyReply.ParseFromString(reply) || selectFolderKeyReply.sql_diag_rec().sqlc() != 0)
        return;
    auto *keyring = new StandInFolderKeyringView(
        folderId, QString::fromStdString(selectFolderKeyRequest.folder_key_folder_name()), nullptr);
    for (const qorv::data::FolderKey *folderKey : SortedByUserName(selectFolderKeyReply))
        emit keyring->addFolderKey(*folderKey);
    ShowOnBus(*m_applicationComponent, keyring);
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
    const DbId folderId(deleteFolderRequest.folder_id());
    if (!folderId.null())
        FolderKeyringViewExists(folderId, FolderKeyRingAction::Close);
}
