#include "groupdirectory.h"

#include "common/sqlc.h"
#include "registry.h"

#include "deleteusergroupreply3.pb.h"
#include "deleteusergrouprequest3.pb.h"
#include "deleteusergroupuserreply3.pb.h"
#include "deleteusergroupuserrequest3.pb.h"
#include "groupkey3.pb.h"
#include "insertusergroupreply3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "insertusergroupuserreply3.pb.h"
#include "insertusergroupuserrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
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
#include "updateusergroupreply3.pb.h"
#include "updateusergrouprequest3.pb.h"

#include <algorithm>

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

template <class Message>
TestReply Answer(const Message &reply)
{
    TestReply answer;
    answer.payload = reply.SerializeAsString();
    return answer;
}

template <class Reply>
TestReply Refusal(std::int32_t sqlc)
{
    Reply reply;
    reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    return Answer(reply);
}
}

GroupDirectory::GroupDirectory(testsupport::TestServer &server)
    : m_server(server)
{
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
                                  const std::string &description)
{
    UserGroupEntry entry;
    entry.record.set_user_group_group_id(groupId);
    entry.record.set_user_group_user_id(SessionUserId);
    entry.record.set_user_group_name(name);
    entry.record.set_user_group_description(description);
    entry.record.set_user_group_creation_date("2024-03-05 14:07:09.000000");
    entry.members = memberIds;
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_userGroups.push_back(entry);
}

void GroupDirectory::addFolder(int folderId, int parentId, const std::string &name)
{
    qorv::data::Folder folder;
    folder.set_folder_id(folderId);
    folder.set_folder_parent_id(parentId);
    folder.set_folder_name(name);
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_folders.push_back(folder);
}

void GroupDirectory::addDocument(int documentId, int folderId, const std::string &name)
{
    qorv::data::Document document;
    document.set_document_id(documentId);
    document.set_document_folder_id(folderId);
    document.set_document_name(name);
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_documents.push_back(document);
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
    m_server.onRequest(45, [this](const TestRequest &received) {
        qorv::data::SelectGroupKeyRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectGroupKeyReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (request.group_key_user_id() == SessionUserId) {
            for (const auto &[group, members] : m_homeGroups)
                *reply.add_group_key()->mutable_group_key_group() = group;
        }
        return Answer(reply);
    });
    m_server.onRequest(54, [this](const TestRequest &received) {
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
    m_server.onRequest(52, [this](const TestRequest &received) {
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
    m_server.onRequest(53, [this](const TestRequest &received) {
        qorv::data::SelectUserGroupUserRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectUserGroupUserReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const UserGroupEntry &entry : m_userGroups) {
            if (entry.record.user_group_group_id() != request.user_group_user_user_group_group_id())
                continue;
            for (const int id : entry.members) {
                if (Contains(request.exclude_user_id(), id)
                    || (request.exclude_session_user_id() && id == SessionUserId))
                    continue;
                qorv::data::UserGroupUser *member = reply.add_user_group_user();
                *member->mutable_user_group() = entry.record;
                *member->mutable_user() = user(id);
            }
        }
        return Answer(reply);
    });
    m_server.onRequest(44, [this](const TestRequest &received) {
        qorv::data::SelectFolderRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectFolderReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::Folder &folder : m_folders) {
            if (folder.folder_parent_id() == request.folder_parent_id())
                *reply.add_folder() = folder;
        }
        return Answer(reply);
    });
    m_server.onRequest(41, [this](const TestRequest &received) {
        qorv::data::SelectDocumentRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectDocumentReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::Document &document : m_documents) {
            if (document.document_folder_id() == request.document_folder_id()
                && !Contains(request.exclude_document_id(), document.document_id()))
                *reply.add_document() = document;
        }
        return Answer(reply);
    });

    m_server.onRequest(32, [this](const TestRequest &received) {
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
    m_server.onRequest(33, [this](const TestRequest &received) {
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
    m_server.onRequest(67, [this](const TestRequest &received) {
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
    m_server.onRequest(17, [this](const TestRequest &received) {
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
    m_server.onRequest(18, [this](const TestRequest &received) {
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
