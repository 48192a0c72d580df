#include "sampledata.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <google/protobuf/util/json_util.h>

namespace demoserver
{
namespace
{
// One record from its JSON object; false names the record in error.
template <class Record>
bool ReadRecord(const QJsonValue &value, const QString &where, Record *record, QString *error)
{
    const QByteArray json = QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    const auto status = google::protobuf::util::JsonStringToMessage(json.toStdString(), record);
    if (!value.isObject() || !status.ok()) {
        *error = QStringLiteral("%1: %2").arg(where, QString::fromStdString(status.ToString()));
        return false;
    }
    return true;
}

template <class Record>
bool ReadRecords(const QJsonObject &root, const QString &name, std::vector<Record> *records, QString *error)
{
    const QJsonArray array = root.value(name).toArray();
    for (int i = 0; i < array.size(); ++i) {
        Record record;
        if (!ReadRecord(array.at(i), QStringLiteral("%1[%2]").arg(name).arg(i), &record, error))
            return false;
        records->push_back(record);
    }
    return true;
}

std::vector<SampleData::Group> ReadGroups(const QJsonArray &array)
{
    std::vector<SampleData::Group> groups;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        SampleData::Group group;
        group.groupId = object.value(QStringLiteral("groupId")).toInt();
        group.name = object.value(QStringLiteral("name")).toString().toStdString();
        group.description = object.value(QStringLiteral("description")).toString().toStdString();
        for (const QJsonValue &member : object.value(QStringLiteral("members")).toArray())
            group.members.append(member.toInt());
        group.ownerId = object.value(QStringLiteral("owner")).toInt(group.members.value(0));
        groups.push_back(group);
    }
    return groups;
}
}

std::optional<SampleData> SampleData::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("%1: %2 at offset %3").arg(path, parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    const QJsonObject root = document.object();

    SampleData data;
    const QJsonArray users = root.value(QStringLiteral("users")).toArray();
    for (int i = 0; i < users.size(); ++i) {
        const QJsonObject object = users.at(i).toObject();
        Account account;
        account.userName = object.value(QStringLiteral("userName")).toString().toStdString();
        account.password = object.value(QStringLiteral("password")).toString().toStdString();
        if (account.userName.empty()) {
            *error = QStringLiteral("users[%1]: no userName").arg(i);
            return std::nullopt;
        }
        if (!ReadRecord(object.value(QStringLiteral("record")), QStringLiteral("users[%1].record").arg(i),
                        &account.user, error))
            return std::nullopt;
        account.user.set_user_name(account.userName);
        data.accounts.push_back(account);
    }
    data.homeGroups = ReadGroups(root.value(QStringLiteral("homeGroups")).toArray());
    data.userGroups = ReadGroups(root.value(QStringLiteral("userGroups")).toArray());
    if (!ReadRecords(root, QStringLiteral("folders"), &data.folders, error)
        || !ReadRecords(root, QStringLiteral("documents"), &data.documents, error)
        || !ReadRecords(root, QStringLiteral("revisions"), &data.revisions, error)
        || !ReadRecords(root, QStringLiteral("deletedDocuments"), &data.deletedDocuments, error)
        || !ReadRecords(root, QStringLiteral("webpages"), &data.webpages, error)
        || !ReadRecords(root, QStringLiteral("documentKeys"), &data.documentKeys, error)
        || !ReadRecords(root, QStringLiteral("folderKeys"), &data.folderKeys, error)
        || !ReadRecords(root, QStringLiteral("messages"), &data.messages, error)
        || !ReadRecords(root, QStringLiteral("attachments"), &data.attachments, error))
        return std::nullopt;
    return data;
}
}
