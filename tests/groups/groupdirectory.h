#ifndef GROUPDIRECTORY_H
#define GROUPDIRECTORY_H

#include "testserver.h"

#include "document3.pb.h"
#include "folder3.pb.h"
#include "group3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"

#include <QList>

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace groupstest
{
// The server's side of users, groups, folders and documents, answering the
// pickers' and the user-group window's requests on a TestServer the way the
// suite's server does: the exclusions travel in the requests and the server
// leaves those users, groups and documents out. The inserts, updates and
// deletes of user groups and members change what later look-ups return.
//
// A reply scripted on the server for a (major, minor) pair takes precedence
// over the directory, so a test can make one operation fail.
class GroupDirectory
{
public:
    static constexpr int SessionUserId = 42;
    static constexpr int HomeFolderId = 100;

    explicit GroupDirectory(testsupport::TestServer &server);

    // Registers the handlers of every look-up and change on the server.
    void install();

    // Makes the logged-on user (Ann B Lee, SessionUserId, HomeFolderId) the
    // registry's user.
    static void logOn();
    static qorv::data::User User(int id, const std::string &first, const std::string &middle,
                                 const std::string &last);

    void addUser(const qorv::data::User &user);
    // A home group of the logged-on user (one of its group keys).
    void addHomeGroup(int groupId, const std::string &name, const QList<int> &memberIds);
    // A user group of the logged-on user.
    void addUserGroup(int groupId, const std::string &name, const QList<int> &memberIds,
                      const std::string &description = std::string());
    void addFolder(int folderId, int parentId, const std::string &name);
    void addDocument(int documentId, int folderId, const std::string &name);

    QList<int> userGroupMembers(int groupId) const;
    QList<int> userGroupIds() const;
    qorv::data::UserGroup userGroup(int groupId) const;

private:
    struct UserGroupEntry
    {
        qorv::data::UserGroup record;
        QList<int> members;
    };

    qorv::data::User user(int id) const;

    testsupport::TestServer &m_server;
    mutable std::mutex m_mutex;
    std::map<int, qorv::data::User> m_users;
    std::vector<std::pair<qorv::data::Group, QList<int>>> m_homeGroups;
    std::vector<UserGroupEntry> m_userGroups;
    std::vector<qorv::data::Folder> m_folders;
    std::vector<qorv::data::Document> m_documents;
    int m_nextUserGroupId = 500;
};
}

#endif // GROUPDIRECTORY_H
