#ifndef SAMPLEDATA_H
#define SAMPLEDATA_H

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "documentwebpage3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "message3.pb.h"
#include "messagedocument3.pb.h"
#include "user3.pb.h"

#include <QList>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace demoserver
{
// The records a stand-alone test server starts from, read from a JSON file:
//
//     {
//       "users": [{"userName": "ann", "password": "...", "record": {User}}],
//       "homeGroups": [{"groupId": 7, "name": "Staff", "members": [42, 43]}],
//       "userGroups": [{"groupId": 300, "owner": 42, "name": "...", "description": "...", "members": [43]}],
//       "folders": [{Folder}], "documents": [{Document}],
//       "revisions": [{Document}], "deletedDocuments": [{Document}],
//       "webpages": [{DocumentWebpage}],
//       "documentKeys": [{DocumentKey}], "folderKeys": [{FolderKey}],
//       "messages": [{Message}], "attachments": [{MessageDocument}]
//     }
//
// Each {Record} is the wire record in protobuf's JSON form, so the file can
// say anything a reply can carry (security descriptors, dates, properties).
// A few fields read differently, so that the file holds no derived values:
// a revision's and a deleted document's sys_period says when that version
// was current; a key's passcode (its descriptor's password) is written as
// typed; a message's message_recipient is its one addressee, whose copy is
// unread unless message_user_properties says otherwise.
class SampleData
{
public:
    struct Account
    {
        std::string userName;
        std::string password;
        qorv::data::User user;
    };

    struct Group
    {
        int groupId = 0;
        // The account a user group belongs to (its first member unless said).
        int ownerId = 0;
        std::string name;
        std::string description;
        QList<int> members;
    };

    // The data, or nothing with the reason in error.
    static std::optional<SampleData> load(const QString &path, QString *error);

    std::vector<Account> accounts;
    std::vector<Group> homeGroups;
    std::vector<Group> userGroups;
    std::vector<qorv::data::Folder> folders;
    std::vector<qorv::data::Document> documents;
    std::vector<qorv::data::Document> revisions;
    std::vector<qorv::data::Document> deletedDocuments;
    std::vector<qorv::data::DocumentWebpage> webpages;
    std::vector<qorv::data::DocumentKey> documentKeys;
    std::vector<qorv::data::FolderKey> folderKeys;
    std::vector<qorv::data::Message> messages;
    std::vector<qorv::data::MessageDocument> attachments;
};
}

#endif // SAMPLEDATA_H
