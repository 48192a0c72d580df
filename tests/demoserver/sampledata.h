#ifndef SAMPLEDATA_H
#define SAMPLEDATA_H

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "message3.pb.h"
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
//       "userGroups": [{"groupId": 300, "name": "...", "description": "...", "members": [43]}],
//       "folders": [{Folder}], "documents": [{Document}],
//       "documentKeys": [{DocumentKey}], "folderKeys": [{FolderKey}],
//       "messages": [{Message}]
//     }
//
// Each {Record} is the wire record in protobuf's JSON form, so the file can
// say anything a reply can carry (security descriptors, dates, properties).
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
    std::vector<qorv::data::DocumentKey> documentKeys;
    std::vector<qorv::data::FolderKey> folderKeys;
    std::vector<qorv::data::Message> messages;
};
}

#endif // SAMPLEDATA_H
