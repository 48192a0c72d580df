#ifndef GROUPDIRECTORY_H
#define GROUPDIRECTORY_H

#include "testserver.h"

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "group3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"

#include <QList>

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace groupstest
{
// The server's side of users, groups, folders, documents and the keys to
// them, answering the pickers', the user-group window's and the document
// browser's requests on a TestServer the way the suite's server does: the
// exclusions travel in the requests and the server leaves those users, groups
// and documents out. The inserts, updates and deletes of user groups and
// members, folders and documents change what later look-ups return, and the
// server refuses what the suite's server refuses: a second folder or document
// of one name in one folder ("23505") and deleting a folder that still holds
// something ("23503").
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
    // The user whose home groups, user groups and held keys the look-ups
    // answer from now on (SessionUserId until changed); a server that many
    // accounts log on to follows each log-on.
    void setSessionUserId(int userId);
    static qorv::data::User User(int id, const std::string &first, const std::string &middle, const std::string &last);

    void addUser(const qorv::data::User &user);
    // A home group of the logged-on user (one of its group keys).
    void addHomeGroup(int groupId, const std::string &name, const QList<int> &memberIds);
    // A user group of the given owner, or of the logged-on user.
    void addUserGroup(int groupId, const std::string &name, const QList<int> &memberIds,
                      const std::string &description = std::string(), std::optional<int> ownerId = std::nullopt);
    void addFolder(int folderId, int parentId, const std::string &name);
    void addFolder(const qorv::data::Folder &folder);
    void addDocument(int documentId, int folderId, const std::string &name);
    void addDocument(const qorv::data::Document &document);
    // A revision of a deleted document, which only a select of deleted
    // documents returns (all of them, or those of one document id).
    void addDeletedRevision(const qorv::data::Document &revision);
    // Keys that other users gave the logged-on user; a folder key's folder
    // and a document key's document need not be in the directory.
    void addFolderKey(const qorv::data::FolderKey &folderKey);
    void addDocumentKey(const qorv::data::DocumentKey &documentKey);

    // What the directory holds now (a record without id when there is none).
    qorv::data::Folder folder(int folderId) const;
    qorv::data::Document document(int documentId) const;
    // The folders right under a folder, and the documents in a folder, as a
    // select by parent or by folder answers them.
    std::vector<qorv::data::Folder> folders(int parentId) const;
    std::vector<qorv::data::Document> documents(int folderId) const;
    qorv::data::DocumentKey documentKey(int documentId) const;

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
    void installFolderHandlers();
    void installDocumentHandlers();
    void installKeyHandlers();
    // Whether a folder or document of that name is in the folder already,
    // other than the one with the given id. Called with the mutex held.
    bool nameTaken(int folderId, const std::string &name, int exceptFolderId, int exceptDocumentId) const;

    testsupport::TestServer &m_server;
    mutable std::mutex m_mutex;
    int m_sessionUserId = SessionUserId;
    std::map<int, qorv::data::User> m_users;
    std::vector<std::pair<qorv::data::Group, QList<int>>> m_homeGroups;
    std::vector<UserGroupEntry> m_userGroups;
    std::vector<qorv::data::Folder> m_folders;
    std::vector<qorv::data::Document> m_documents;
    std::vector<qorv::data::Document> m_deletedRevisions;
    std::vector<qorv::data::FolderKey> m_folderKeys;
    std::vector<qorv::data::DocumentKey> m_documentKeys;
    int m_nextUserGroupId = 500;
    int m_nextFolderId = 700;
    int m_nextDocumentId = 900;
};
}

#endif // GROUPDIRECTORY_H
