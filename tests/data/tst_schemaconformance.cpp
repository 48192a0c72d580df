#include "common/majorcode.h"
#include "document3.pb.h"

#include <google/protobuf/descriptor.h>
#include <google/protobuf/descriptor.pb.h>
#include <google/protobuf/descriptor_database.h>

#include <QtTest>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace pb = google::protobuf;

namespace
{
const std::string kPackage = "qorv.data";

bool EndsWith(const std::string &text, const std::string &suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsRequest(const std::string &name)
{
    return EndsWith(name, "Request");
}
bool IsReply(const std::string &name)
{
    return EndsWith(name, "Reply");
}

// Numbering runs from `start` in steps of 10; `inserted` numbers sit between
// two regular ones and `skipped` regular numbers are left out.
struct NumberingDeparture
{
    std::string message;
    int start;
    std::vector<int> inserted;
    std::vector<int> skipped;
    int fieldCount; // -1: any
};

const std::vector<NumberingDeparture> kDepartures = {
    {"DocumentKeys", 10, {}, {}, 1},
    {"OpenFolderKeyRequest", 10, {}, {}, 1},
    {"Message", 1000, {1135}, {}, -1},
    {"AuthenticateUserReply", 1000, {1235, 1236}, {}, -1},
    {"InsertDocumentKeyReply", 1000, {}, {1010}, -1},
    {"SelectDocumentWebpageRequest", 1000, {}, {1010}, -1},
    {"SelectMessageRequest", 1010, {}, {}, -1},
    {"SelectMessageFolderRequest", 1010, {}, {}, -1},
    {"SelectMessageReply", 1010, {}, {}, -1},
    {"SelectMessageFolderReply", 1010, {}, {}, -1},
    {"VerifyPasswordResetReply", 1030, {}, {}, -1},
    {"VerifyUserNameResetReply", 1030, {}, {}, -1},
    {"ResetPasswordReply", 1000, {}, {}, 0},
};

// Oneofs that group alternative keys, with their members in order.
const std::map<std::string, std::pair<std::string, std::vector<std::string>>> kMultiMemberOneofs = {
    {"SelectDocumentRequest", {"id_enum", {"document_id", "document_user_id", "document_folder_id"}}},
    {"SelectFolderRequest", {"id_folder_id_parent_id_enum", {"folder_id", "folder_parent_id"}}},
    {"SelectUserGroupRequest", {"id_enum", {"user_group_group_id", "user_group_user_id"}}},
    {"SelectUserRequest", {"id_enum", {"user_id", "user_group_id"}}},
};

const std::set<std::string> kFourExclusionFlags = {"SelectGroupRequest", "SelectGroupKeyRequest",
                                                   "SelectMessageUserRequest", "SelectUserGroupUserRequest"};

const std::set<std::string> kOperatorMessages = {"SelectDocumentRequest", "SelectDocumentKeyRequest",
                                                 "SelectMessageRequest", "SelectMessageUserRequest"};

const std::set<std::string> kRepliesWithoutDiagnostics = {
    "ResetPasswordReply",
    "VerifyPasswordResetReply",
    "VerifyUserNameResetReply",
    "VerifyUserEmailAddressResetReply",
    "VerifyEnableMultiFactorAuthenticationReply",
    "VerifyDisableMultiFactorAuthenticationReply",
    "VerifyMultiFactorAuthenticationAuthcodeReply",
};

// Singular fields that carry no presence of their own.
bool IsPlainField(const std::string &message, const pb::FieldDescriptor &field)
{
    const std::string &name = field.name();
    if (message == "SQLDiagRec" || message == "AuthenticateUserRequest" || message == "AuthenticateUserReply")
        return true;
    if (name == "sql_diag_rec")
        return true;
    const bool changesRows =
        StartsWith(message, "Insert") || StartsWith(message, "Update") || StartsWith(message, "Delete");
    if (name == "return_code" && changesRows && IsReply(message))
        return true;
    if (kFourExclusionFlags.count(message) && StartsWith(name, "exclude_")
        && field.type() == pb::FieldDescriptor::TYPE_BOOL)
        return true;
    if (message == "SelectUserRequest"
        && (name == "do_not_exclude_administrator_user_id" || name == "do_not_exclude_session_user_id"))
        return true;
    return StartsWith(message, "LogEvent") && IsRequest(message) && name == "size";
}

struct ServerOperation
{
    common::Opcode code;
    const char *name;
    bool hasRequest;
    bool hasReply;
};

// Each server operation with the messages that carry it.
const std::vector<ServerOperation> kServerOperations = {
    {common::op::AuthenticateUser, "AuthenticateUser", true, true},
    {common::op::TerminateUserSession, "TerminateUserSession", false, false},
    {common::op::DeleteDocumentKey, "DeleteDocumentKey", true, true},
    {common::op::DeleteDocument, "DeleteDocument", true, true},
    {common::op::DeleteDocumentWebpage, "DeleteDocumentWebpage", true, true},
    {common::op::DeleteFolderKey, "DeleteFolderKey", true, false},
    {common::op::DeleteFolder, "DeleteFolder", true, true},
    {common::op::DeleteMessageDocument, "DeleteMessageDocument", true, true},
    {common::op::DeleteMessageFolder, "DeleteMessageFolder", true, true},
    {common::op::DeleteMessage, "DeleteMessage", true, true},
    {common::op::DeleteMessageUser, "DeleteMessageUser", true, true},
    {common::op::DeleteUserGroup, "DeleteUserGroup", true, true},
    {common::op::DeleteUserGroupUser, "DeleteUserGroupUser", true, true},
    {common::op::InsertDictionary, "InsertDictionary", true, false},
    {common::op::InsertDocumentKey, "InsertDocumentKey", true, true},
    {common::op::InsertDocument, "InsertDocument", true, true},
    {common::op::InsertDocumentWebpage, "InsertDocumentWebpage", true, false},
    {common::op::InsertFolderKey, "InsertFolderKey", true, true},
    {common::op::InsertFolder, "InsertFolder", true, true},
    {common::op::InsertMessageDocument, "InsertMessageDocument", true, true},
    {common::op::InsertMessageFolder, "InsertMessageFolder", true, true},
    {common::op::InsertMessage, "InsertMessage", true, true},
    {common::op::InsertMessageUser, "InsertMessageUser", true, true},
    {common::op::InsertUserGroup, "InsertUserGroup", true, true},
    {common::op::InsertUserGroupUser, "InsertUserGroupUser", true, true},
    {common::op::ResetPassword, "ResetPassword", true, true},
    {common::op::ResetUserEmailAddress, "ResetUserEmailAddress", true, true},
    {common::op::ResetUserName, "ResetUserName", true, true},
    {common::op::SelectDictionary, "SelectDictionary", true, true},
    {common::op::SelectDocumentKey, "SelectDocumentKey", true, true},
    {common::op::SelectDocument, "SelectDocument", true, true},
    {common::op::SelectDocumentWebpage, "SelectDocumentWebpage", true, true},
    {common::op::SelectFolderKey, "SelectFolderKey", true, true},
    {common::op::SelectFolder, "SelectFolder", true, true},
    {common::op::SelectGroupKey, "SelectGroupKey", true, true},
    {common::op::SelectGroup, "SelectGroup", true, true},
    {common::op::SelectMessageDocument, "SelectMessageDocument", true, true},
    {common::op::SelectMessageFolder, "SelectMessageFolder", true, true},
    {common::op::SelectMessage, "SelectMessage", true, true},
    {common::op::SelectMessageUser, "SelectMessageUser", true, true},
    {common::op::SelectUserGroup, "SelectUserGroup", true, true},
    {common::op::SelectUserGroupUser, "SelectUserGroupUser", true, true},
    {common::op::SelectUser, "SelectUser", true, true},
    {common::op::UpdateDocumentKey, "UpdateDocumentKey", true, true},
    {common::op::UpdateDocument, "UpdateDocument", true, true},
    {common::op::UpdateDocumentWebpage, "UpdateDocumentWebpage", true, true},
    {common::op::UpdateFolderKey, "UpdateFolderKey", true, true},
    {common::op::UpdateFolder, "UpdateFolder", true, true},
    {common::op::UpdateMessageFolder, "UpdateMessageFolder", true, true},
    {common::op::UpdateMessage, "UpdateMessage", true, true},
    {common::op::UpdateMessageUser, "UpdateMessageUser", true, true},
    {common::op::UpdateUserGroup, "UpdateUserGroup", true, true},
    {common::op::UpdateUserGroupUser, "UpdateUserGroupUser", true, true},
    {common::op::UpdateUser, "UpdateUser", true, true},
    {common::op::VerifyDisableMultiFactorAuthentication, "VerifyDisableMultiFactorAuthentication", true, true},
    {common::op::VerifyEnableMultiFactorAuthentication, "VerifyEnableMultiFactorAuthentication", true, true},
    {common::op::VerifyMultiFactorAuthenticationAuthcode, "VerifyMultiFactorAuthenticationAuthcode", true, true},
    {common::op::VerifyPasswordReset, "VerifyPasswordReset", true, true},
    {common::op::VerifyUserEmailAddressReset, "VerifyUserEmailAddressReset", true, true},
    {common::op::VerifyUserNameReset, "VerifyUserNameReset", true, true},
};

// Payloads of the client-local requests.
const std::map<std::string, common::Opcode> kLocalRequests = {
    {"LogEventCopyDocumentToClipboardRequest", common::op::LogEventCopyDocumentToClipboard},
    {"LogEventCopyMessageToClipboardRequest", common::op::LogEventCopyMessageToClipboard},
    {"LogEventExportDocumentToPdfFileRequest", common::op::LogEventExportDocumentToPdfFile},
    {"LogEventExportDocumentToTextFileRequest", common::op::LogEventExportDocumentToTextFile},
    {"LogEventExportMessageToPdfFileRequest", common::op::LogEventExportMessageToPdfFile},
    {"LogEventExportMessageToTextFileRequest", common::op::LogEventExportMessageToTextFile},
    {"LogEventPasteDocumentFromClipboardRequest", common::op::LogEventPasteDocumentFromClipboard},
    {"LogEventPasteMessageFromClipboardRequest", common::op::LogEventPasteMessageFromClipboard},
    {"LogEventPrintDocumentRequest", common::op::LogEventPrintDocument},
    {"LogEventPrintMessageRequest", common::op::LogEventPrintMessage},
    {"OpenFolderKeyRequest", common::op::OpenDocumentBrowser},
    {"OpenMessageRequest", common::op::OpenMessageEditor},
};

QByteArray B(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

// One line per field, in declaration order, e.g. "1010 repeated document Document"
// or "1010 document_id sint32 in document_id_enum".
QStringList Layout(const pb::Descriptor &message)
{
    QStringList lines;
    for (int i = 0; i < message.field_count(); ++i) {
        const pb::FieldDescriptor &field = *message.field(i);
        QString line = QString::number(field.number());
        if (field.is_repeated())
            line += QLatin1String(" repeated");
        line += QLatin1Char(' ') + QString::fromStdString(field.name()) + QLatin1Char(' ');
        line += QString::fromStdString(field.message_type() ? field.message_type()->name()
                                                            : std::string(field.type_name()));
        if (field.real_containing_oneof())
            line += QLatin1String(" in ") + QString::fromStdString(field.real_containing_oneof()->name());
        lines << line;
    }
    return lines;
}

QByteArray Describe(const pb::FieldDescriptor &field)
{
    return QByteArray::fromStdString(field.full_name() + " = " + std::to_string(field.number()));
}
}

class TestSchemaConformance : public QObject
{
    Q_OBJECT

private:
    std::map<std::string, const pb::Descriptor *> m_messages; // by short name
    std::vector<const pb::FileDescriptor *> m_files;

    const pb::Descriptor *find(const std::string &name) const
    {
        const auto it = m_messages.find(name);
        return it == m_messages.end() ? nullptr : it->second;
    }

    void addMessageRows() const
    {
        QTest::addColumn<QByteArray>("name");
        for (const auto &[name, descriptor] : m_messages) {
            Q_UNUSED(descriptor);
            QTest::newRow(name.c_str()) << QByteArray::fromStdString(name);
        }
    }

    const pb::Descriptor *fetchMessage() const
    {
        QFETCH(QByteArray, name);
        return find(name.toStdString());
    }

private slots:
    void initTestCase()
    {
        // Touch one generated class so the schema library is surely loaded and
        // has registered every file with the generated pool.
        QCOMPARE(B(qorv::data::Document::descriptor()->full_name()), QByteArray("qorv.data.Document"));

        std::vector<std::string> fileNames;
        QVERIFY(pb::DescriptorPool::internal_generated_database()->FindAllFileNames(&fileNames));
        const pb::DescriptorPool *pool = pb::DescriptorPool::generated_pool();
        for (const std::string &fileName : fileNames) {
            const pb::FileDescriptor *file = pool->FindFileByName(fileName);
            QVERIFY2(file, fileName.c_str());
            if (file->package() != kPackage)
                continue;
            m_files.push_back(file);
            for (int i = 0; i < file->message_type_count(); ++i)
                m_messages.emplace(file->message_type(i)->name(), file->message_type(i));
        }
    }

    void packageHoldsEveryMessage()
    {
        QCOMPARE(int(m_messages.size()), 148);
        QCOMPARE(int(m_files.size()), 148);
        int requests = 0;
        int replies = 0;
        for (const auto &entry : m_messages) {
            requests += IsRequest(entry.first);
            replies += IsReply(entry.first);
        }
        QCOMPARE(requests, 71);
        QCOMPARE(replies, 56);
        QCOMPARE(int(m_messages.size()) - requests - replies, 21);
    }

    void fileLayout_data() { addMessageRows(); }

    void fileLayout()
    {
        const pb::Descriptor *message = fetchMessage();
        const pb::FileDescriptor *file = message->file();
        std::string expected = message->name();
        std::transform(expected.begin(), expected.end(), expected.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        QCOMPARE(B(file->name()), B(expected + "3.proto"));
        QCOMPARE(file->message_type_count(), 1);
        QCOMPARE(file->syntax(), pb::FileDescriptor::SYNTAX_PROTO3);
        QCOMPARE(file->enum_type_count(), 0);
        QCOMPARE(file->service_count(), 0);
        QCOMPARE(file->extension_count(), 0);
        QCOMPARE(file->public_dependency_count(), 0);
        QCOMPARE(file->weak_dependency_count(), 0);
        QCOMPARE(int(file->options().ByteSizeLong()), 0);
        QCOMPARE(int(message->options().ByteSizeLong()), 0);
        QCOMPARE(message->nested_type_count(), 0); // no maps, no nested records
        QCOMPARE(message->extension_range_count(), 0);
        QCOMPARE(message->reserved_range_count(), 0);
    }

    // A file imports the file of each message its fields use, once, in the order
    // of first use.
    void imports_data() { addMessageRows(); }

    void imports()
    {
        const pb::Descriptor *message = fetchMessage();
        QStringList expected;
        for (int i = 0; i < message->field_count(); ++i) {
            const pb::Descriptor *type = message->field(i)->message_type();
            if (type && !expected.contains(QString::fromStdString(type->file()->name())))
                expected << QString::fromStdString(type->file()->name());
        }
        QStringList actual;
        for (int i = 0; i < message->file()->dependency_count(); ++i)
            actual << QString::fromStdString(message->file()->dependency(i)->name());
        QCOMPARE(actual, expected);
    }

    void fieldNumbering_data() { addMessageRows(); }

    void fieldNumbering()
    {
        const pb::Descriptor *message = fetchMessage();
        NumberingDeparture rule{message->name(), 1000, {}, {}, -1};
        for (const NumberingDeparture &departure : kDepartures) {
            if (departure.message == message->name())
                rule = departure;
        }
        if (rule.fieldCount >= 0)
            QCOMPARE(message->field_count(), rule.fieldCount);
        else
            QVERIFY(message->field_count() > 0);

        const int regularCount = message->field_count() - int(rule.inserted.size());
        std::vector<int> expected(rule.inserted);
        for (int number = rule.start; int(expected.size()) < message->field_count(); number += 10) {
            if (std::find(rule.skipped.begin(), rule.skipped.end(), number) == rule.skipped.end())
                expected.push_back(number);
        }
        QVERIFY(regularCount >= 0);
        std::sort(expected.begin(), expected.end());
        for (int i = 0; i < message->field_count(); ++i) {
            QVERIFY2(message->field(i)->number() == expected[i], Describe(*message->field(i)));
            QVERIFY(message->field(i)->number() <= 1530);
        }
    }

    void fieldNumberingReachesItsHighest()
    {
        int highest = 0;
        for (const auto &entry : m_messages) {
            for (int i = 0; i < entry.second->field_count(); ++i)
                highest = std::max(highest, entry.second->field(i)->number());
        }
        QCOMPARE(highest, 1530);
    }

    void presence_data() { addMessageRows(); }

    void presence()
    {
        const pb::Descriptor *message = fetchMessage();
        const std::string &name = message->name();
        const auto multi = kMultiMemberOneofs.find(name);
        int exclusionFlags = 0;
        for (int i = 0; i < message->field_count(); ++i) {
            const pb::FieldDescriptor &field = *message->field(i);
            const QByteArray what = Describe(field);
            const pb::OneofDescriptor *oneof = field.real_containing_oneof();
            if (field.is_repeated()) {
                QVERIFY2(!field.containing_oneof(), what);
                if (field.type() == pb::FieldDescriptor::TYPE_SINT32)
                    QVERIFY2(field.is_packed(), what);
            } else if (field.has_optional_keyword()) {
                QVERIFY2(name == "SelectFolderKeyRequest" && field.name() == "folder_key_folder_name", what);
            } else if (!oneof) {
                QVERIFY2(IsPlainField(name, field), what);
                if (field.type() == pb::FieldDescriptor::TYPE_MESSAGE) {
                    QVERIFY2(field.name() == "sql_diag_rec" && IsReply(name), what);
                    QCOMPARE(B(field.message_type()->full_name()), QByteArray("qorv.data.SQLDiagRec"));
                }
                exclusionFlags += StartsWith(field.name(), "exclude_");
            } else if (oneof->field_count() == 1) {
                QVERIFY2(!IsPlainField(name, field), what);
                QCOMPARE(B(oneof->name()), B(field.name() + "_enum"));
            } else {
                QVERIFY2(multi != kMultiMemberOneofs.end(), what);
                QCOMPARE(B(oneof->name()), B(multi->second.first));
            }
        }
        if (kFourExclusionFlags.count(name))
            QCOMPARE(exclusionFlags, 4);
    }

    void multiMemberOneofs_data()
    {
        QTest::addColumn<QByteArray>("name");
        for (const auto &entry : kMultiMemberOneofs)
            QTest::newRow(entry.first.c_str()) << QByteArray::fromStdString(entry.first);
    }

    void multiMemberOneofs()
    {
        const pb::Descriptor *message = fetchMessage();
        QVERIFY(message);
        const auto &[oneofName, members] = kMultiMemberOneofs.at(message->name());
        const pb::OneofDescriptor *oneof = message->FindOneofByName(oneofName);
        QVERIFY(oneof);
        QCOMPARE(oneof->field_count(), int(members.size()));
        for (int i = 0; i < oneof->field_count(); ++i)
            QCOMPARE(B(oneof->field(i)->name()), B(members[i]));
    }

    void exactlyOneOptionalField()
    {
        std::vector<std::string> optional;
        for (const auto &entry : m_messages) {
            for (int i = 0; i < entry.second->field_count(); ++i) {
                if (entry.second->field(i)->has_optional_keyword())
                    optional.push_back(entry.second->field(i)->full_name());
            }
        }
        QCOMPARE(int(optional.size()), 1);
        QCOMPARE(B(optional.front()), QByteArray("qorv.data.SelectFolderKeyRequest.folder_key_folder_name"));
        const pb::FieldDescriptor *field = find("SelectFolderKeyRequest")->FindFieldByName("folder_key_folder_name");
        QCOMPARE(field->number(), 1040);
        QCOMPARE(field->type(), pb::FieldDescriptor::TYPE_STRING);
        QVERIFY(field->has_presence());
    }

    void diagnosticRecordOfReplies()
    {
        int withRecord = 0;
        for (const auto &[name, message] : m_messages) {
            const pb::FieldDescriptor *record = message->FindFieldByName("sql_diag_rec");
            if (!IsReply(name)) {
                QVERIFY2(!record, name.c_str());
                continue;
            }
            QCOMPARE(!record, bool(kRepliesWithoutDiagnostics.count(name)));
            if (record) {
                ++withRecord;
                QVERIFY2(record == message->field(0), name.c_str());
            }
        }
        QCOMPARE(withRecord, 49);
    }

    // The fixed shapes that replies follow.
    void replyLayout_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QStringList>("layout");
        const QString diagnostics = "1000 sql_diag_rec SQLDiagRec";
        const QStringList changed = {diagnostics, "1010 return_code sint32", "1020 repeated ckey sint32"};

        const std::vector<std::pair<const char *, const char *>> selects = {
            {"SelectDictionaryReply", "dictionary Dictionary"},
            {"SelectDocumentKeyReply", "document_key DocumentKey"},
            {"SelectDocumentReply", "document Document"},
            {"SelectDocumentWebpageReply", "document_webpage DocumentWebpage"},
            {"SelectFolderKeyReply", "folder_key FolderKey"},
            {"SelectGroupKeyReply", "group_key GroupKey"},
            {"SelectGroupReply", "group Group"},
            {"SelectMessageDocumentReply", "message_document MessageDocument"},
            {"SelectMessageUserReply", "message Message"},
            {"SelectUserGroupReply", "user_group UserGroup"},
            {"SelectUserGroupUserReply", "user_group_user UserGroupUser"},
            {"SelectUserReply", "user User"},
        };
        for (const auto &[name, records] : selects) {
            QTest::newRow(name) << QByteArray(
                name) << QStringList{diagnostics, QString("1010 repeated ") + records, "1020 repeated ckey sint32"};
        }
        QTest::newRow("SelectFolderReply")
            << QByteArray("SelectFolderReply") << QStringList{diagnostics, "1010 repeated folder Folder"};
        QTest::newRow("SelectMessageReply")
            << QByteArray("SelectMessageReply")
            << QStringList{"1010 sql_diag_rec SQLDiagRec", "1020 repeated message Message",
                           "1030 repeated ckey sint32"};
        QTest::newRow("SelectMessageFolderReply")
            << QByteArray("SelectMessageFolderReply")
            << QStringList{"1010 sql_diag_rec SQLDiagRec", "1020 repeated message_folder MessageFolder",
                           "1030 repeated ckey sint32"};

        for (const char *name :
             {"DeleteDocumentKeyReply",     "DeleteDocumentReply",        "DeleteDocumentWebpageReply",
              "DeleteFolderReply",          "DeleteMessageDocumentReply", "DeleteMessageFolderReply",
              "DeleteMessageReply",         "DeleteMessageUserReply",     "DeleteUserGroupReply",
              "DeleteUserGroupUserReply",   "UpdateDocumentKeyReply",     "UpdateDocumentReply",
              "UpdateDocumentWebpageReply", "UpdateFolderKeyReply",       "UpdateFolderReply",
              "UpdateMessageFolderReply",   "UpdateMessageReply",         "UpdateMessageUserReply",
              "UpdateUserGroupReply",       "UpdateUserGroupUserReply",   "InsertFolderKeyReply",
              "InsertMessageDocumentReply", "InsertUserGroupUserReply"}) {
            QTest::newRow(name) << QByteArray(name) << changed;
        }
        QTest::newRow("UpdateUserReply") << QByteArray("UpdateUserReply")
                                         << changed
                                                + QStringList{"1030 repeated create_group_id sint32",
                                                              "1040 repeated delete_group_id sint32"};

        for (const auto &[name, id] :
             std::vector<std::pair<const char *, QString>>{{"InsertDocumentReply", "document_id"},
                                                           {"InsertFolderReply", "folder_id"},
                                                           {"InsertMessageFolderReply", "message_folder_id"},
                                                           {"InsertMessageReply", "message_id"},
                                                           {"InsertUserGroupReply", "user_group_group_id"}}) {
            QTest::newRow(name) << QByteArray(name)
                                << QStringList{diagnostics, "1010 " + id + " sint32 in " + id + "_enum",
                                               "1020 return_code sint32", "1030 repeated ckey sint32"};
        }
        QTest::newRow("InsertDocumentKeyReply")
            << QByteArray("InsertDocumentKeyReply")
            << QStringList{diagnostics, "1020 return_code sint32", "1030 repeated ckey sint32"};
        QTest::newRow("InsertMessageUserReply")
            << QByteArray("InsertMessageUserReply")
            << changed + QStringList{"1030 message_user_message Message in message_user_message_enum"};

        QTest::newRow("ResetUserNameReply") << QByteArray("ResetUserNameReply") << QStringList{diagnostics};
        QTest::newRow("ResetUserEmailAddressReply")
            << QByteArray("ResetUserEmailAddressReply") << QStringList{diagnostics};
        QTest::newRow("ResetPasswordReply") << QByteArray("ResetPasswordReply") << QStringList();
    }

    void replyLayout()
    {
        const pb::Descriptor *message = fetchMessage();
        QFETCH(QStringList, layout);
        QVERIFY(message);
        QCOMPARE(Layout(*message), layout);
    }

    // The ten log-event requests carry the window's record and the size.
    void logEventLayout_data()
    {
        QTest::addColumn<QByteArray>("name");
        for (const auto &local : kLocalRequests) {
            if (StartsWith(local.first, "LogEvent"))
                QTest::newRow(local.first.c_str()) << B(local.first);
        }
    }

    void logEventLayout()
    {
        const pb::Descriptor *message = fetchMessage();
        QVERIFY(message);
        const QString record =
            message->name().find("Document") != std::string::npos ? "document Document" : "message Message";
        const QString field = record.section(' ', 0, 0);
        QCOMPARE(Layout(*message), (QStringList{"1000 " + record + " in " + field + "_enum", "1010 size sint32"}));
    }

    void fieldTypes_data() { addMessageRows(); }

    void fieldTypes()
    {
        const pb::Descriptor *message = fetchMessage();
        for (int i = 0; i < message->field_count(); ++i) {
            const pb::FieldDescriptor &field = *message->field(i);
            const std::string &name = field.name();
            const QByteArray what = Describe(field);
            const bool encrypted = StartsWith(name, "encrypted_");
            switch (field.type()) {
            case pb::FieldDescriptor::TYPE_SINT32:
            case pb::FieldDescriptor::TYPE_FIXED32:
            case pb::FieldDescriptor::TYPE_STRING:
            case pb::FieldDescriptor::TYPE_BOOL:
                QVERIFY2(!encrypted, what);
                break;
            case pb::FieldDescriptor::TYPE_BYTES:
                QVERIFY2((encrypted && !EndsWith(name, "_len")) || name == "document_webpage_url_hash", what);
                if (encrypted) {
                    // The ciphertext is followed by its length.
                    QVERIFY2(i + 1 < message->field_count(), what);
                    const pb::FieldDescriptor &length = *message->field(i + 1);
                    QCOMPARE(B(length.name()), B(name + "_len"));
                    QCOMPARE(length.type(), pb::FieldDescriptor::TYPE_INT32);
                }
                break;
            case pb::FieldDescriptor::TYPE_INT32:
                QVERIFY2(encrypted && EndsWith(name, "_len") && i > 0, what);
                QCOMPARE(B(message->field(i - 1)->name() + "_len"), B(name));
                break;
            case pb::FieldDescriptor::TYPE_ENUM:
                QVERIFY2(name == "logical_operator" && kOperatorMessages.count(message->name()), what);
                QCOMPARE(field.enum_type()->containing_type(), message);
                QCOMPARE(B(field.enum_type()->name()), QByteArray("operator"));
                break;
            case pb::FieldDescriptor::TYPE_MESSAGE:
                QCOMPARE(B(field.message_type()->file()->package()), B(kPackage));
                break;
            default:
                QFAIL(what.constData());
            }
            if (EndsWith(name, "_id") && !encrypted && field.type() != pb::FieldDescriptor::TYPE_BOOL)
                QVERIFY2(field.type() == pb::FieldDescriptor::TYPE_SINT32, what);
            if (EndsWith(name, "_properties") && !encrypted)
                QVERIFY2(field.type() == pb::FieldDescriptor::TYPE_FIXED32, what);
        }
    }

    void nestedEnums_data() { addMessageRows(); }

    void nestedEnums()
    {
        const pb::Descriptor *message = fetchMessage();
        std::map<std::string, std::vector<std::pair<std::string, int>>> expected;
        if (kOperatorMessages.count(message->name())) {
            expected["operator"] = {{"LOGICAL_AND", 0}, {"LOGICAL_OR", 1}};
            QVERIFY(message->FindFieldByName("logical_operator"));
        } else if (message->name() == "Message") {
            expected["rfield"] = {{"PARENT_RELATION_NONE", 0},
                                  {"PARENT_RELATION_REPLY", 1},
                                  {"PARENT_RELATION_REPLY_ALL", 2},
                                  {"PARENT_RELATION_FORWARD", 3}};
            expected["ufield"] = {{"TO", 0}, {"CC", 1}, {"BCC", 2}};
        }
        std::map<std::string, std::vector<std::pair<std::string, int>>> actual;
        for (int i = 0; i < message->enum_type_count(); ++i) {
            const pb::EnumDescriptor *type = message->enum_type(i);
            for (int v = 0; v < type->value_count(); ++v)
                actual[type->name()].emplace_back(type->value(v)->name(), type->value(v)->number());
        }
        QVERIFY(actual == expected);
    }

    void operationsNameTheirMessages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("operation");
        QTest::addColumn<bool>("hasRequest");
        QTest::addColumn<bool>("hasReply");
        for (const ServerOperation &operation : kServerOperations)
            QTest::newRow(operation.name)
                << operation.code << QByteArray(operation.name) << operation.hasRequest << operation.hasReply;
    }

    void operationsNameTheirMessages()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, operation);
        QFETCH(bool, hasRequest);
        QFETCH(bool, hasReply);
        QVERIFY(code >= 1 && code <= 75);
        QCOMPARE(find(operation.toStdString() + "Request") != nullptr, hasRequest);
        QCOMPARE(find(operation.toStdString() + "Reply") != nullptr, hasReply);
    }

    // Every request and reply of the schema belongs to a code, once.
    void everyRequestAndReplyHasACode()
    {
        std::set<std::string> coded;
        for (const ServerOperation &operation : kServerOperations) {
            if (operation.hasRequest)
                QVERIFY(coded.insert(std::string(operation.name) + "Request").second);
            if (operation.hasReply)
                QVERIFY(coded.insert(std::string(operation.name) + "Reply").second);
        }
        for (const auto &local : kLocalRequests) {
            QVERIFY2(local.second < 0, local.first.c_str());
            QVERIFY(coded.insert(local.first).second);
        }
        std::set<std::string> schema;
        for (const auto &entry : m_messages) {
            if (IsRequest(entry.first) || IsReply(entry.first))
                schema.insert(entry.first);
        }
        QVERIFY(coded == schema);
    }

    // Within a verb's group the codes follow the byte order of the request names.
    void codesFollowRequestNameOrder()
    {
        const std::vector<std::pair<int, int>> groups = {{1, 5},   {6, 19},  {20, 34}, {35, 38},
                                                         {39, 55}, {56, 69}, {70, 75}};
        for (const auto &[first, last] : groups) {
            std::vector<std::pair<int, std::string>> members;
            for (const ServerOperation &operation : kServerOperations) {
                if (operation.code >= first && operation.code <= last && operation.hasRequest)
                    members.emplace_back(operation.code, std::string(operation.name) + "Request");
            }
            QVERIFY(!members.empty());
            for (std::size_t i = 1; i < members.size(); ++i) {
                QVERIFY2(members[i - 1].first < members[i].first, members[i].second.c_str());
                QVERIFY2(members[i - 1].second < members[i].second, members[i].second.c_str());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSchemaConformance)
#include "tst_schemaconformance.moc"
