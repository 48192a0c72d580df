#include "groupdirectory.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "registry.h"
#include "testreplies.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "deleteusergroupreply3.pb.h"
#include "deleteusergrouprequest3.pb.h"
#include "deleteusergroupuserreply3.pb.h"
#include "deleteusergroupuserrequest3.pb.h"
#include "groupkey3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "insertusergroupreply3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "insertusergroupuserreply3.pb.h"
#include "insertusergroupuserrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectusergroupreply3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderreply3.pb.h"
#include "updatefolderrequest3.pb.h"
#include "updateusergroupreply3.pb.h"
#include "updateusergrouprequest3.pb.h"

#include <algorithm>

using testsupport::Answer;
using testsupport::Done;
using testsupport::Refusal;
using testsupport::TestReply;
using testsupport::TestRequest;

namespace groupstest
{
namespace
{
template <class Ids>
bool Contains(const Ids &ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}
}

GroupDirectory::GroupDirectory(testsupport::TestServer &server)
    : m_server(server)
{
}

void GroupDirectory::setSessionUserId(int userId)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_sessionUserId = userId;
}

void GroupDirectory::logOn()
{
    qorv::data::User ann = User(SessionUserId, "Ann", "B", "Lee");
    ann.set_user_folder_id(HomeFolderId);
    RegistrySingleton::instance()->setUser(ann);
}

qorv::data::User GroupDirectory::User(int id, const std::string &first, const std::string &middle,
                                      const std::string &last)
{
    qorv::data::User user;
    user.set_user_id(id);
    user.set_user_group_id(1);
    if (!first.empty())
        user.set_user_first_name(first);
    if (!middle.empty())
        user.set_user_middle_name(middle);
    if (!last.empty())
        user.set_user_last_name(last);
    return user;
}

void GroupDirectory::addUser(const qorv::data::User &user)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_users[user.user_id()] = user;
}

void GroupDirectory::addHomeGroup(int groupId, const std::string &name, const QList<int> &memberIds)
{
    qorv::data::Group group;
    group.set_group_id(groupId);
    group.set_group_name(name);
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_homeGroups.emplace_back(group, memberIds);
}

void GroupDirectory::addUserGroup(int groupId, const std::string &name, const QList<int> &memberIds,
                                  const std::string &description, std::optional<int> ownerId)
{
    UserGroupEntry entry;
    entry.record.set_user_group_group_id(groupId);
    entry.record.set_user_group_name(name);
    entry.record.set_user_group_description(description);
    entry.record.set_user_group_creation_date("2024-03-05 14:07:09.000000");
    entry.members = memberIds;
    const std::lock_guard<std::mutex> lock(m_mutex);
    entry.record.set_user_group_user_id(ownerId.value_or(m_sessionUserId));
    m_userGroups.push_back(entry);
}

void GroupDirectory::addFolder(int folderId, int parentId, const std::string &name)
{
    qorv::data::Folder folder;
    folder.set_folder_id(folderId);
    folder.set_folder_parent_id(parentId);
    folder.set_folder_name(name);
    addFolder(folder);
}

void GroupDirectory::addFolder(const qorv::data::Folder &folder)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_folders.push_back(folder);
}

void GroupDirectory::addDocument(int documentId, int folderId, const std::string &name)
{
    qorv::data::Document document;
    document.set_document_id(documentId);
    document.set_document_folder_id(folderId);
    document.set_document_name(name);
    addDocument(document);
}

void GroupDirectory::addDocument(const qorv::data::Document &document)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_documents.push_back(document);
}

void GroupDirectory::addDeletedRevision(const qorv::data::Document &revision)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_deletedRevisions.push_back(revision);
}

void GroupDirectory::addFolderKey(const qorv::data::FolderKey &folderKey)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_folderKeys.push_back(folderKey);
}

void GroupDirectory::addDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_documentKeys.push_back(documentKey);
}

qorv::data::Folder GroupDirectory::folder(int folderId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const qorv::data::Folder &folder : m_folders) {
        if (folder.folder_id() == folderId)
            return folder;
    }
    return {};
}

qorv::data::Document GroupDirectory::document(int documentId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const qorv::data::Document &document : m_documents) {
        if (document.document_id() == documentId)
            return document;
    }
    return {};
}

std::vector<qorv::data::Folder> GroupDirectory::folders(int parentId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<qorv::data::Folder> found;
    for (const qorv::data::Folder &folder : m_folders) {
        if (folder.folder_parent_id() == parentId)
            found.push_back(folder);
    }
    return found;
}

std::vector<qorv::data::Document> GroupDirectory::documents(int folderId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<qorv::data::Document> found;
    for (const qorv::data::Document &document : m_documents) {
        if (document.document_folder_id() == folderId)
            found.push_back(document);
    }
    return found;
}

qorv::data::DocumentKey GroupDirectory::documentKey(int documentId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const qorv::data::DocumentKey &key : m_documentKeys) {
        if (key.document_key_document().document_id() == documentId)
            return key;
    }
    return {};
}

QList<int> GroupDirectory::userGroupMembers(int groupId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const UserGroupEntry &entry : m_userGroups) {
        if (entry.record.user_group_group_id() == groupId)
            return entry.members;
    }
    return {};
}

QList<int> GroupDirectory::userGroupIds() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QList<int> ids;
    for (const UserGroupEntry &entry : m_userGroups)
        ids.append(entry.record.user_group_group_id());
    return ids;
}

qorv::data::UserGroup GroupDirectory::userGroup(int groupId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const UserGroupEntry &entry : m_userGroups) {
        if (entry.record.user_group_group_id() == groupId)
            return entry.record;
    }
    return {};
}

bool GroupDirectory::nameTaken(int folderId, const std::string &name, int exceptFolderId, int exceptDocumentId) const
{
    const bool folderNamed = std::any_of(m_folders.begin(), m_folders.end(), [&](const qorv::data::Folder &folder) {
        return folder.folder_parent_id() == folderId && folder.folder_name() == name
               && folder.folder_id() != exceptFolderId;
    });
    const bool documentNamed =
        std::any_of(m_documents.begin(), m_documents.end(), [&](const qorv::data::Document &document) {
            return document.document_folder_id() == folderId && document.document_name() == name
                   && document.document_id() != exceptDocumentId;
        });
    return folderNamed || documentNamed;
}

qorv::data::User GroupDirectory::user(int id) const
{
    const auto found = m_users.find(id);
    if (found != m_users.end())
        return found->second;
    qorv::data::User unknown;
    unknown.set_user_id(id);
    return unknown;
}

void GroupDirectory::install()
{
    m_server.onRequest(common::op::SelectGroupKey, [this](const TestRequest &received) {
        qorv::data::SelectGroupKeyRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectGroupKeyReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (request.group_key_user_id() == m_sessionUserId) {
            for (const auto &[group, members] : m_homeGroups)
                *reply.add_group_key()->mutable_group_key_group() = group;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::SelectUser, [this](const TestRequest &received) {
        qorv::data::SelectUserRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectUserReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &[group, members] : m_homeGroups) {
            if (group.group_id() != request.user_group_id())
                continue;
            for (const int id : members) {
                if (!Contains(request.exclude_user_id(), id))
                    *reply.add_user() = user(id);
            }
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::SelectUserGroup, [this](const TestRequest &received) {
        qorv::data::SelectUserGroupRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectUserGroupReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const UserGroupEntry &entry : m_userGroups) {
            if (entry.record.user_group_user_id() == request.user_group_user_id()
                && !Contains(request.exclude_group_id(), entry.record.user_group_group_id()))
                *reply.add_user_group() = entry.record;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::SelectUserGroupUser, [this](const TestRequest &received) {
        qorv::data::SelectUserGroupUserRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectUserGroupUserReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const UserGroupEntry &entry : m_userGroups) {
            if (entry.record.user_group_group_id() != request.user_group_user_user_group_group_id())
                continue;
            for (const int id : entry.members) {
                if (Contains(request.exclude_user_id(), id)
                    || (request.exclude_session_user_id() && id == m_sessionUserId))
                    continue;
                qorv::data::UserGroupUser *member = reply.add_user_group_user();
                *member->mutable_user_group() = entry.record;
                *member->mutable_user() = user(id);
            }
        }
        return Answer(reply);
    });
    installFolderHandlers();
    installDocumentHandlers();
    installKeyHandlers();

    m_server.onRequest(common::op::InsertUserGroup, [this](const TestRequest &received) {
        qorv::data::InsertUserGroupRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        UserGroupEntry entry;
        entry.record = request.user_group();
        entry.record.set_user_group_group_id(m_nextUserGroupId++);
        m_userGroups.push_back(entry);
        qorv::data::InsertUserGroupReply reply;
        reply.set_user_group_group_id(entry.record.user_group_group_id());
        return Answer(reply);
    });
    m_server.onRequest(common::op::InsertUserGroupUser, [this](const TestRequest &received) {
        qorv::data::InsertUserGroupUserRequest request;
        request.ParseFromString(received.payload);
        const qorv::data::UserGroupUser &member = request.user_group_user();
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (UserGroupEntry &entry : m_userGroups) {
            if (entry.record.user_group_group_id() != member.user_group().user_group_group_id())
                continue;
            if (entry.members.contains(member.user().user_id()))
                return Refusal<qorv::data::InsertUserGroupUserReply>(common::SqlcUniqueViolation);
            entry.members.append(member.user().user_id());
            return Answer(qorv::data::InsertUserGroupUserReply());
        }
        return Refusal<qorv::data::InsertUserGroupUserReply>(common::SqlcForeignKeyViolation);
    });
    m_server.onRequest(common::op::UpdateUserGroup, [this](const TestRequest &received) {
        qorv::data::UpdateUserGroupRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (UserGroupEntry &entry : m_userGroups) {
            if (entry.record.user_group_group_id() == request.user_group().user_group_group_id()) {
                entry.record.set_user_group_name(request.user_group().user_group_name());
                entry.record.set_user_group_description(request.user_group().user_group_description());
            }
        }
        return Answer(qorv::data::UpdateUserGroupReply());
    });
    m_server.onRequest(common::op::DeleteUserGroup, [this](const TestRequest &received) {
        qorv::data::DeleteUserGroupRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_userGroups.erase(std::remove_if(m_userGroups.begin(), m_userGroups.end(),
                                          [&request](const UserGroupEntry &entry) {
                                              return entry.record.user_group_group_id()
                                                     == request.user_group_group_id();
                                          }),
                           m_userGroups.end());
        return Answer(qorv::data::DeleteUserGroupReply());
    });
    m_server.onRequest(common::op::DeleteUserGroupUser, [this](const TestRequest &received) {
        qorv::data::DeleteUserGroupUserRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (UserGroupEntry &entry : m_userGroups) {
            if (entry.record.user_group_group_id() == request.user_group_user_user_group_group_id())
                entry.members.removeAll(request.user_group_user_user_id());
        }
        return Answer(qorv::data::DeleteUserGroupUserReply());
    });
}
}

namespace groupstest
{
namespace
{
constexpr int RenameFolder = -49;
constexpr int ChangeFolderDescription = -46;
constexpr int MoveFolder = -23;
constexpr int RenameDocument = -48;
constexpr int ChangeDocumentDescription = -45;
constexpr int MoveDocument = -22;
}

void GroupDirectory::installFolderHandlers()
{
    // One folder by id, or the folders under a parent.
    m_server.onRequest(common::op::SelectFolder, [this](const TestRequest &received) {
        qorv::data::SelectFolderRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectFolderReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::Folder &folder : m_folders) {
            const bool wanted = request.has_folder_id() ? folder.folder_id() == request.folder_id()
                                                        : folder.folder_parent_id() == request.folder_parent_id();
            if (wanted)
                *reply.add_folder() = folder;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::InsertFolder, [this](const TestRequest &received) {
        qorv::data::InsertFolderRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        qorv::data::Folder folder = request.folder();
        if (nameTaken(folder.folder_parent_id(), folder.folder_name(), 0, 0))
            return Refusal<qorv::data::InsertFolderReply>(common::SqlcUniqueViolation);
        folder.set_folder_id(m_nextFolderId++);
        m_folders.push_back(folder);
        qorv::data::InsertFolderReply reply;
        reply.set_folder_id(folder.folder_id());
        return Done(reply);
    });
    m_server.onRequest(common::op::UpdateFolder, [this](const TestRequest &received) {
        qorv::data::UpdateFolderRequest request;
        request.ParseFromString(received.payload);
        const qorv::data::Folder &change = request.folder();
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (qorv::data::Folder &folder : m_folders) {
            if (folder.folder_id() != change.folder_id())
                continue;
            if (received.minorOpcode == RenameFolder) {
                if (nameTaken(folder.folder_parent_id(), change.folder_name(), folder.folder_id(), 0))
                    return Refusal<qorv::data::UpdateFolderReply>(common::SqlcUniqueViolation);
                folder.set_folder_name(change.folder_name());
            } else if (received.minorOpcode == ChangeFolderDescription) {
                folder.set_folder_description(change.folder_description());
            } else if (received.minorOpcode == MoveFolder) {
                if (nameTaken(change.folder_parent_id(), folder.folder_name(), folder.folder_id(), 0))
                    return Refusal<qorv::data::UpdateFolderReply>(common::SqlcUniqueViolation);
                folder.set_folder_parent_id(change.folder_parent_id());
            }
            return Done<qorv::data::UpdateFolderReply>();
        }
        return Answer(qorv::data::UpdateFolderReply());
    });
    m_server.onRequest(common::op::DeleteFolder, [this](const TestRequest &received) {
        qorv::data::DeleteFolderRequest request;
        request.ParseFromString(received.payload);
        const int folderId = request.folder_id();
        const std::lock_guard<std::mutex> lock(m_mutex);
        const bool holdsSomething =
            std::any_of(m_folders.begin(), m_folders.end(),
                        [folderId](const qorv::data::Folder &folder) { return folder.folder_parent_id() == folderId; })
            || std::any_of(m_documents.begin(), m_documents.end(), [folderId](const qorv::data::Document &document) {
                   return document.document_folder_id() == folderId;
               });
        if (holdsSomething)
            return Refusal<qorv::data::DeleteFolderReply>(common::SqlcForeignKeyViolation);
        const auto before = m_folders.size();
        m_folders.erase(
            std::remove_if(m_folders.begin(), m_folders.end(),
                           [folderId](const qorv::data::Folder &folder) { return folder.folder_id() == folderId; }),
            m_folders.end());
        return before == m_folders.size() ? Answer(qorv::data::DeleteFolderReply())
                                          : Done<qorv::data::DeleteFolderReply>();
    });
}

void GroupDirectory::installDocumentHandlers()
{
    // One document by id, or the documents of a folder.
    m_server.onRequest(common::op::SelectDocument, [this](const TestRequest &received) {
        qorv::data::SelectDocumentRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectDocumentReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (request.select_deleted_documents()) {
            for (const qorv::data::Document &revision : m_deletedRevisions)
                if (!request.has_document_id() || revision.document_id() == request.document_id())
                    *reply.add_document() = revision;
            return Answer(reply);
        }
        for (const qorv::data::Document &document : m_documents) {
            const bool wanted = request.has_document_id()
                                    ? document.document_id() == request.document_id()
                                    : document.document_folder_id() == request.document_folder_id()
                                          && !Contains(request.exclude_document_id(), document.document_id());
            if (wanted)
                *reply.add_document() = document;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::InsertDocument, [this](const TestRequest &received) {
        qorv::data::InsertDocumentRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        qorv::data::Document document = request.document();
        if (nameTaken(document.document_folder_id(), document.document_name(), 0, 0))
            return Refusal<qorv::data::InsertDocumentReply>(common::SqlcUniqueViolation);
        document.set_document_id(m_nextDocumentId++);
        m_documents.push_back(document);
        qorv::data::InsertDocumentReply reply;
        reply.set_document_id(document.document_id());
        return Done(reply);
    });
    m_server.onRequest(common::op::UpdateDocument, [this](const TestRequest &received) {
        qorv::data::UpdateDocumentRequest request;
        request.ParseFromString(received.payload);
        const qorv::data::Document &change = request.document();
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (qorv::data::Document &document : m_documents) {
            if (document.document_id() != change.document_id())
                continue;
            if (received.minorOpcode == RenameDocument) {
                if (nameTaken(document.document_folder_id(), change.document_name(), 0, document.document_id()))
                    return Refusal<qorv::data::UpdateDocumentReply>(common::SqlcUniqueViolation);
                document.set_document_name(change.document_name());
            } else if (received.minorOpcode == ChangeDocumentDescription) {
                document.set_document_description(change.document_description());
            } else if (received.minorOpcode == MoveDocument) {
                if (nameTaken(change.document_folder_id(), document.document_name(), 0, document.document_id()))
                    return Refusal<qorv::data::UpdateDocumentReply>(common::SqlcUniqueViolation);
                document = change;
            } else if (received.minorOpcode == common::tag::Save || received.minorOpcode == common::tag::SaveAndClose) {
                // The editor's save sends only what it changes; every field
                // it leaves unset keeps its stored value.
                document.MergeFrom(change);
            } else {
                document = change;
            }
            return Done<qorv::data::UpdateDocumentReply>();
        }
        return Answer(qorv::data::UpdateDocumentReply());
    });
    m_server.onRequest(common::op::DeleteDocument, [this](const TestRequest &received) {
        qorv::data::DeleteDocumentRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto before = m_documents.size();
        m_documents.erase(std::remove_if(m_documents.begin(), m_documents.end(),
                                         [&request](const qorv::data::Document &document) {
                                             return document.document_id() == request.document_id();
                                         }),
                          m_documents.end());
        return before == m_documents.size() ? Answer(qorv::data::DeleteDocumentReply())
                                            : Done<qorv::data::DeleteDocumentReply>();
    });
}

void GroupDirectory::installKeyHandlers()
{
    // The keys the logged-on user holds under a folder (-6), or the keys of
    // one folder (-37).
    m_server.onRequest(common::op::SelectFolderKey, [this](const TestRequest &received) {
        qorv::data::SelectFolderKeyRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectFolderKeyReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::FolderKey &key : m_folderKeys) {
            const qorv::data::Folder &folder = key.folder_key_folder();
            const bool wanted = request.has_folder_key_folder_id()
                                    ? folder.folder_id() == request.folder_key_folder_id()
                                    : folder.folder_parent_id() == request.folder_parent_id()
                                          && request.folder_key_user_id() == m_sessionUserId;
            if (wanted)
                *reply.add_folder_key() = key;
        }
        return Answer(reply);
    });
    // The keys the logged-on user holds in a folder (-5), or the key of one
    // document (-35, -34).
    m_server.onRequest(common::op::SelectDocumentKey, [this](const TestRequest &received) {
        qorv::data::SelectDocumentKeyRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectDocumentKeyReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::DocumentKey &key : m_documentKeys) {
            const qorv::data::Document &document = key.document_key_document();
            const bool wanted = request.has_document_folder_id()
                                    ? document.document_folder_id() == request.document_folder_id()
                                    : document.document_id() == request.document_key_document_id();
            if (wanted && (!request.has_document_key_user_id() || request.document_key_user_id() == m_sessionUserId))
                *reply.add_document_key() = key;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::UpdateDocumentKey, [this](const TestRequest &received) {
        qorv::data::UpdateDocumentKeyRequest request;
        request.ParseFromString(received.payload);
        const int documentId = request.document_key().document_key_document().document_id();
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (qorv::data::DocumentKey &key : m_documentKeys) {
            if (key.document_key_document().document_id() == documentId) {
                key = request.document_key();
                return Done<qorv::data::UpdateDocumentKeyReply>();
            }
        }
        return Answer(qorv::data::UpdateDocumentKeyReply());
    });
}
}
