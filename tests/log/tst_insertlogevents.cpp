#include "acelogcapture.h"
#include "auditeventline.h"
#include "auditline.h"
#include "auditmask.h"
#include "audittestcase.h"
#include "serialized.h"

#include "insertdocumentkeyrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "insertmessageuserrequest3.pb.h"

#include <QtTest>

#include <climits>
#include <optional>

using namespace testsupport;

namespace
{
constexpr int NullId = INT_MIN;

using Text = std::optional<std::string>;
using Id = std::optional<int>;

// The user a key is given to; the owner is filled as well, so that a test
// would notice the wrong one being read.
struct KeyUser
{
    Id id;
    Text last;
    Text first;
    Text middle;
};

void FillUser(qorv::data::User *user, const KeyUser &from)
{
    if (from.id)
        user->set_user_id(*from.id);
    if (from.last)
        user->set_user_last_name(*from.last);
    if (from.first)
        user->set_user_first_name(*from.first);
    if (from.middle)
        user->set_user_middle_name(*from.middle);
}

void FillOwner(qorv::data::User *owner)
{
    owner->set_user_id(777);
    owner->set_user_last_name("Owner");
    owner->set_user_first_name("Olive");
}

const KeyUser Jane{1001, "Doe", "Jane", "Q"};

QByteArray DocumentKey(bool withKey, bool withDocument, bool withUser, Id documentId, Text name, const KeyUser &user)
{
    qorv::data::InsertDocumentKeyRequest request;
    if (withKey) {
        qorv::data::DocumentKey *key = request.mutable_document_key();
        FillOwner(key->mutable_document_key_owner());
        if (withDocument) {
            qorv::data::Document *document = key->mutable_document_key_document();
            if (documentId)
                document->set_document_id(*documentId);
            if (name)
                document->set_document_name(*name);
        }
        if (withUser)
            FillUser(key->mutable_document_key_user(), user);
    }
    return Serialized(request);
}

QByteArray FolderKey(bool withKey, bool withFolder, bool withUser, Id folderId, Text name, const KeyUser &user)
{
    qorv::data::InsertFolderKeyRequest request;
    if (withKey) {
        qorv::data::FolderKey *key = request.mutable_folder_key();
        FillOwner(key->mutable_folder_key_owner());
        if (withFolder) {
            qorv::data::Folder *folder = key->mutable_folder_key_folder();
            if (folderId)
                folder->set_folder_id(*folderId);
            if (name)
                folder->set_folder_name(*name);
        }
        if (withUser)
            FillUser(key->mutable_folder_key_user(), user);
    }
    return Serialized(request);
}

QByteArray NewDocument(bool withDocument, Text name)
{
    qorv::data::InsertDocumentRequest request;
    if (withDocument) {
        qorv::data::Document *document = request.mutable_document();
        document->set_document_id(999); // the id the server ignores
        if (name)
            document->set_document_name(*name);
    }
    return Serialized(request);
}

QByteArray NewDocumentId(Id id)
{
    qorv::data::InsertDocumentReply reply;
    if (id)
        reply.set_document_id(*id);
    return Serialized(reply);
}

QByteArray NewFolder(bool withFolder, Text name)
{
    qorv::data::InsertFolderRequest request;
    if (withFolder && name)
        request.mutable_folder()->set_folder_name(*name);
    else if (withFolder)
        request.mutable_folder()->set_folder_id(999);
    return Serialized(request);
}

QByteArray NewFolderId(Id id)
{
    qorv::data::InsertFolderReply reply;
    if (id)
        reply.set_folder_id(*id);
    return Serialized(reply);
}

QByteArray NewMessage(bool withMessage, Text subject)
{
    qorv::data::InsertMessageRequest request;
    if (withMessage && subject)
        request.mutable_message()->set_message_subject(*subject);
    else if (withMessage)
        request.mutable_message()->set_message_id(999);
    return Serialized(request);
}

QByteArray NewMessageId(Id id)
{
    qorv::data::InsertMessageReply reply;
    if (id)
        reply.set_message_id(*id);
    return Serialized(reply);
}

QByteArray Attachment(bool withRecord, Id messageId, Id documentId)
{
    qorv::data::InsertMessageDocumentRequest request;
    if (withRecord) {
        qorv::data::MessageDocument *record = request.mutable_message_document();
        if (messageId)
            record->set_message_document_message_id(*messageId);
        if (documentId)
            record->set_message_document_document_id(*documentId);
    }
    return Serialized(request);
}

QByteArray Recipient(bool withMessage, Id messageId, Id userId)
{
    qorv::data::InsertMessageUserRequest request;
    if (withMessage) {
        qorv::data::Message *message = request.mutable_message();
        message->set_message_id(888); // not the id that is reported
        if (messageId)
            message->set_message_user_message_id(*messageId);
        if (userId)
            message->set_message_user_user_id(*userId);
    }
    return Serialized(request);
}

std::string Line(int major, const QByteArray &request, const QByteArray &reply, int majorErcode = 0)
{
    return ReplyLine(major, 1, request.toStdString(), majorErcode, majorErcode == 0 ? 0 : 1, reply.toStdString());
}
}

class TestInsertLogEvents : public AuditTestCase
{
    Q_OBJECT

private slots:
    void headers_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("classId");
        QTest::addColumn<QString>("name");

        QTest::newRow("document key") << 21 << DocumentKey(true, true, true, 42, "Plan", Jane) << QByteArray() << 25
                                      << "insert document key";
        QTest::newRow("document") << 22 << NewDocument(true, "Plan") << NewDocumentId(43) << 24 << "insert document";
        QTest::newRow("folder key") << 24 << FolderKey(true, true, true, 9, "F", Jane) << QByteArray() << 27
                                    << "insert folder key";
        QTest::newRow("folder") << 25 << NewFolder(true, "F") << NewFolderId(10) << 26 << "insert folder";
        QTest::newRow("message document")
            << 28 << Attachment(true, 5, 42) << QByteArray() << 31 << "insert message document";
        QTest::newRow("message") << 30 << NewMessage(true, "Hi") << NewMessageId(6) << 30 << "insert message";
        QTest::newRow("message user") << 31 << Recipient(true, 5, 1001) << QByteArray() << 33 << "insert message user";
    }

    void headers()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(int, classId);
        QFETCH(QString, name);
        SetAuditMask(LineBit(4));
        testsupport::AceLogCapture capture;
        const std::string line = Line(major, request, reply);
        QCOMPARE(HeaderOf(line), HeaderFields(classId, name, 4));
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().priority, LM_INFO);
    }

    void lines_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<bool>("details");
        QTest::addColumn<QString>("pairs");

        QTest::newRow("document key, details")
            << 21 << DocumentKey(true, true, true, 42, "Plan", Jane) << QByteArray() << 0 << true
            << "cn1=42 cn1Label=documentId cn2=1001 cn2Label=userId cs1=Plan cs1Label=documentName cs2=Doe "
               "cs2Label=userLastName cs3=Jane cs3Label=userFirstName cs4=Q cs4Label=userMiddleName outcome=success";
        QTest::newRow("document key") << 21 << DocumentKey(true, true, true, 42, "Plan", Jane) << QByteArray() << 0
                                      << false << "cn1=42 cn1Label=documentId cn2=1001 cn2Label=userId outcome=success";
        // Without details the names are neither needed nor looked at.
        QTest::newRow("document key, no names, no details")
            << 21 << DocumentKey(true, true, true, 42, {}, KeyUser{1001, {}, {}, {}}) << QByteArray() << 0 << false
            << "cn1=42 cn1Label=documentId cn2=1001 cn2Label=userId outcome=success";
        QTest::newRow("document key, empty names, no middle name")
            << 21 << DocumentKey(true, true, true, 42, "", KeyUser{1001, "", "", {}}) << QByteArray() << 0 << true
            << "cn1=42 cn1Label=documentId cn2=1001 cn2Label=userId outcome=success";
        QTest::newRow("document key, id 0")
            << 21 << DocumentKey(true, true, true, 0, "", KeyUser{0, "", "", ""}) << QByteArray() << 0 << true
            << "cn1=0 cn1Label=documentId cn2=0 cn2Label=userId outcome=success";
        QTest::newRow("document key failed, empty reply")
            << 21 << DocumentKey(true, true, true, 42, "Plan", Jane) << QByteArray() << -1 << false
            << "cn1=42 cn1Label=documentId cn2=1001 cn2Label=userId outcome=failure reason=-1";
        QTest::newRow("folder key, details")
            << 24 << FolderKey(true, true, true, 9, "Shared", KeyUser{1002, "Roe", "Rick", ""}) << QByteArray() << 0
            << true
            << "cn1=9 cn1Label=folderId cn2=1002 cn2Label=userId cs1=Shared cs1Label=folderName cs2=Roe "
               "cs2Label=userLastName cs3=Rick cs3Label=userFirstName outcome=success";
        QTest::newRow("folder key failed")
            << 24 << FolderKey(true, true, true, 9, "Shared", Jane) << QByteArray() << 30 << false
            << "cn1=9 cn1Label=folderId cn2=1001 cn2Label=userId outcome=failure reason=30";
        QTest::newRow("document, details") << 22 << NewDocument(true, "Plan") << NewDocumentId(43) << 0 << true
                                           << "cn1=43 cn1Label=documentId cs1=Plan cs1Label=documentName "
                                              "outcome=success";
        QTest::newRow("document") << 22 << NewDocument(true, {}) << NewDocumentId(43) << 0 << false
                                  << "cn1=43 cn1Label=documentId outcome=success";
        QTest::newRow("document, empty name") << 22 << NewDocument(true, "") << NewDocumentId(43) << 0 << true
                                              << "cn1=43 cn1Label=documentId outcome=success";
        QTest::newRow("document failed with an id") << 22 << NewDocument(true, "Plan") << NewDocumentId(43) << 4 << true
                                                    << "cn1=43 cn1Label=documentId cs1=Plan cs1Label=documentName "
                                                       "msg=database execute statement error outcome=failure reason=4";
        QTest::newRow("folder, details") << 25 << NewFolder(true, "F") << NewFolderId(10) << 0 << true
                                         << "cn1=10 cn1Label=folderId cs1=F cs1Label=folderName outcome=success";
        // Without details the request is not even parsed.
        QTest::newRow("folder, unreadable request") << 25 << QByteArray("\xFF", 1) << NewFolderId(10) << 0 << false
                                                    << "cn1=10 cn1Label=folderId outcome=success";
        QTest::newRow("message, details") << 30 << NewMessage(true, "Hi") << NewMessageId(6) << 0 << true
                                          << "cn1=6 cn1Label=messageId cs1=Hi cs1Label=messageSubject outcome=success";
        QTest::newRow("message, unreadable request") << 30 << QByteArray("\xFF", 1) << NewMessageId(6) << 0 << false
                                                     << "cn1=6 cn1Label=messageId outcome=success";
        QTest::newRow("message document") << 28 << Attachment(true, 5, 42) << QByteArray() << 0 << true
                                          << "cn1=5 cn1Label=messageId cn2=42 cn2Label=documentId outcome=success";
        QTest::newRow("message document failed") << 28 << Attachment(true, 5, 42) << QByteArray() << -1 << true
                                                 << "cn1=5 cn1Label=messageId cn2=42 cn2Label=documentId "
                                                    "msg=unknown error outcome=failure reason=-1";
        QTest::newRow("message user") << 31 << Recipient(true, 5, 1001) << QByteArray() << 0 << true
                                      << "cn1=5 cn1Label=messageId cn2=1001 cn2Label=userId outcome=success";
    }

    void lines()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(int, majorErcode);
        QFETCH(bool, details);
        QFETCH(QString, pairs);
        SetAuditMask(LineBit(4) | (details ? DetailsBit(4) : 0));
        testsupport::AceLogCapture capture;
        const std::string line = Line(major, request, reply, majorErcode);
        QCOMPARE(EventPairs(line), pairs);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, line);
    }

    void refused_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<bool>("details");
        QTest::addColumn<QString>("warning");

        const QByteArray garbage("\xFF\xFF\xFF", 3);
        const QByteArray none;
        QTest::newRow("document key, garbage") << 21 << garbage << none << 0 << false << "ParseFromString failed!";
        QTest::newRow("document key, empty") << 21 << none << none << 0 << false << "Bad document key!";
        QTest::newRow("document key, no document") << 21 << DocumentKey(true, false, true, 42, "P", Jane) << none << 0
                                                   << false << "Bad document key document!";
        QTest::newRow("document key, no user")
            << 21 << DocumentKey(true, true, false, 42, "P", Jane) << none << 0 << false << "Bad document key user!";
        QTest::newRow("document key, no document id")
            << 21 << DocumentKey(true, true, true, {}, "P", KeyUser{{}, "D", "J", {}}) << none << 0 << false
            << "Bad document id!";
        QTest::newRow("document key, no user id")
            << 21 << DocumentKey(true, true, true, NullId, "P", KeyUser{{}, "D", "J", {}}) << none << 0 << false
            << "Bad user id!";
        QTest::newRow("document key, null document id")
            << 21 << DocumentKey(true, true, true, NullId, "P", KeyUser{NullId, "D", "J", {}}) << none << 0 << false
            << "Invalid document id!";
        QTest::newRow("document key, null user id")
            << 21 << DocumentKey(true, true, true, 42, "P", KeyUser{NullId, "D", "J", {}}) << none << 0 << false
            << "Invalid user id!";
        QTest::newRow("document key, no name") << 21 << DocumentKey(true, true, true, 42, {}, KeyUser{1001, {}, {}, {}})
                                               << none << 0 << true << "Bad document name!";
        QTest::newRow("document key, no last name")
            << 21 << DocumentKey(true, true, true, 42, "P", KeyUser{1001, {}, {}, {}}) << none << 0 << true
            << "Bad user last name!";
        QTest::newRow("document key, no first name")
            << 21 << DocumentKey(true, true, true, 42, "P", KeyUser{1001, "D", {}, {}}) << none << 0 << true
            << "Bad user first name!";
        QTest::newRow("folder key, garbage") << 24 << garbage << none << 0 << false << "ParseFromString failed!";
        QTest::newRow("folder key, empty") << 24 << none << none << 0 << false << "Bad folder key!";
        QTest::newRow("folder key, no folder")
            << 24 << FolderKey(true, false, true, 9, "F", Jane) << none << 0 << false << "Bad folder key folder!";
        QTest::newRow("folder key, no user")
            << 24 << FolderKey(true, true, false, 9, "F", Jane) << none << 0 << false << "Bad folder key user!";
        QTest::newRow("folder key, no folder id")
            << 24 << FolderKey(true, true, true, {}, "F", Jane) << none << 0 << false << "Bad folder id!";
        QTest::newRow("folder key, no user id") << 24 << FolderKey(true, true, true, 9, "F", KeyUser{{}, "D", "J", {}})
                                                << none << 0 << false << "Bad user id!";
        QTest::newRow("folder key, null folder id")
            << 24 << FolderKey(true, true, true, NullId, "F", Jane) << none << 0 << false << "Invalid folder id!";
        QTest::newRow("folder key, null user id")
            << 24 << FolderKey(true, true, true, 9, "F", KeyUser{NullId, "D", "J", {}}) << none << 0 << false
            << "Invalid user id!";
        QTest::newRow("folder key, no name")
            << 24 << FolderKey(true, true, true, 9, {}, Jane) << none << 0 << true << "Bad folder name!";
        QTest::newRow("folder key, no last name")
            << 24 << FolderKey(true, true, true, 9, "F", KeyUser{1001, {}, "J", {}}) << none << 0 << true
            << "Bad user last name!";
        QTest::newRow("folder key, no first name")
            << 24 << FolderKey(true, true, true, 9, "F", KeyUser{1001, "D", {}, {}}) << none << 0 << true
            << "Bad user first name!";
        QTest::newRow("document, garbage request")
            << 22 << garbage << NewDocumentId(43) << 0 << false << "ParseFromString failed!";
        QTest::newRow("document, garbage reply")
            << 22 << NewDocument(true, "P") << garbage << 0 << false << "ParseFromString failed!";
        QTest::newRow("document, no document") << 22 << none << NewDocumentId(43) << 0 << false << "Bad document!";
        // A failed exchange brings no id back.
        QTest::newRow("document failed, empty reply")
            << 22 << NewDocument(true, "P") << none << -1 << false << "Bad document id!";
        QTest::newRow("document, null id")
            << 22 << NewDocument(true, "P") << NewDocumentId(NullId) << 0 << false << "Invalid document id!";
        QTest::newRow("document, no name")
            << 22 << NewDocument(true, {}) << NewDocumentId(43) << 0 << true << "Bad document name!";
        QTest::newRow("folder, garbage reply")
            << 25 << NewFolder(true, "F") << garbage << 0 << false << "ParseFromString failed!";
        QTest::newRow("folder failed, empty reply")
            << 25 << NewFolder(true, "F") << none << 26 << false << "Bad folder id!";
        QTest::newRow("folder, null id") << 25 << NewFolder(true, "F") << NewFolderId(NullId) << 0 << false
                                         << "Invalid folder id!";
        QTest::newRow("folder, garbage request")
            << 25 << garbage << NewFolderId(10) << 0 << true << "ParseFromString failed!";
        QTest::newRow("folder, no folder") << 25 << none << NewFolderId(10) << 0 << true << "Bad folder!";
        QTest::newRow("folder, no name") << 25 << NewFolder(true, {}) << NewFolderId(10) << 0 << true
                                         << "Bad folder name!";
        QTest::newRow("message, garbage reply")
            << 30 << NewMessage(true, "Hi") << garbage << 0 << false << "ParseFromString failed!";
        QTest::newRow("message failed, empty reply")
            << 30 << NewMessage(true, "Hi") << none << -1 << false << "Bad message id!";
        QTest::newRow("message, null id")
            << 30 << NewMessage(true, "Hi") << NewMessageId(NullId) << 0 << false << "Invalid message id!";
        QTest::newRow("message, garbage request")
            << 30 << garbage << NewMessageId(6) << 0 << true << "ParseFromString failed!";
        QTest::newRow("message, no message") << 30 << none << NewMessageId(6) << 0 << true << "Bad message!";
        QTest::newRow("message, no subject")
            << 30 << NewMessage(true, {}) << NewMessageId(6) << 0 << true << "Bad message subject!";
        QTest::newRow("message document, garbage") << 28 << garbage << none << 0 << false << "ParseFromString failed!";
        QTest::newRow("message document, empty") << 28 << none << none << 0 << false << "Bad message document!";
        QTest::newRow("message document, no message id")
            << 28 << Attachment(true, {}, 42) << none << 0 << false << "Bad message document message id!";
        QTest::newRow("message document, no document id")
            << 28 << Attachment(true, 5, {}) << none << 0 << false << "Bad message document document id!";
        QTest::newRow("message document, null message id")
            << 28 << Attachment(true, NullId, NullId) << none << 0 << false << "Invalid message id!";
        QTest::newRow("message document, null document id")
            << 28 << Attachment(true, 5, NullId) << none << 0 << false << "Invalid document id!";
        QTest::newRow("message user, garbage") << 31 << garbage << none << 0 << false << "ParseFromString failed!";
        QTest::newRow("message user, empty") << 31 << none << none << 0 << false << "Bad message user!";
        QTest::newRow("message user, no message id")
            << 31 << Recipient(true, {}, 1001) << none << 0 << false << "Bad message user message id!";
        QTest::newRow("message user, no user id")
            << 31 << Recipient(true, 5, {}) << none << 0 << false << "Bad message user user id!";
        QTest::newRow("message user, null message id")
            << 31 << Recipient(true, NullId, NullId) << none << 0 << false << "Invalid message id!";
        QTest::newRow("message user, null user id")
            << 31 << Recipient(true, 5, NullId) << none << 0 << false << "Invalid user id!";
    }

    void refused()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(int, majorErcode);
        QFETCH(bool, details);
        QFETCH(QString, warning);
        SetAuditMask(LineBit(4) | (details ? DetailsBit(4) : 0));
        testsupport::AceLogCapture capture;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QCOMPARE(Line(major, request, reply, majorErcode), std::string());
        QVERIFY(capture.lines().empty());
    }

    void countersKeepRising_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("document key") << 21 << DocumentKey(true, true, true, 42, "P", Jane) << QByteArray();
        QTest::newRow("document") << 22 << NewDocument(true, "P") << NewDocumentId(43);
        QTest::newRow("folder key") << 24 << FolderKey(true, true, true, 9, "F", Jane) << QByteArray();
        QTest::newRow("folder") << 25 << NewFolder(true, "F") << NewFolderId(10);
        QTest::newRow("message document") << 28 << Attachment(true, 5, 42) << QByteArray();
        QTest::newRow("message") << 30 << NewMessage(true, "Hi") << NewMessageId(6);
        QTest::newRow("message user") << 31 << Recipient(true, 5, 1001) << QByteArray();
    }

    // Successes and failures count apart, per class, whether or not a line
    // is written.
    void countersKeepRising()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        SetAuditMask(LineBit(4));
        const unsigned int successes = CountOf(Line(major, request, reply));
        const unsigned int failures = CountOf(Line(major, request, reply, 90));
        QVERIFY(successes >= 1);
        QVERIFY(failures >= 1);

        ClearUser();
        QCOMPARE(Line(major, request, reply), std::string());
        SetAuditMask(LineBit(4));
        QTest::ignoreMessage(QtWarningMsg, "ParseFromString failed!");
        QCOMPARE(Line(major, QByteArray("\xFF", 1), QByteArray("\xFF", 1)), std::string());

        QCOMPARE(CountOf(Line(major, request, reply)), successes + 3);
        QCOMPARE(CountOf(Line(major, request, reply, 90)), failures + 1);
    }
};

QTEST_GUILESS_MAIN(TestInsertLogEvents)
#include "tst_insertlogevents.moc"
