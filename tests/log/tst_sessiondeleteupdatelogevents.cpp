#include "acelogcapture.h"
#include "auditeventline.h"
#include "auditline.h"
#include "auditmask.h"
#include "audittestcase.h"
#include "common/majorcode.h"
#include "deletedocumentlogevent.h"
#include "serialized.h"

#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderrequest3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <QtTest>

#include <climits>
#include <optional>

using namespace testsupport;

namespace
{
constexpr int NullId = INT_MIN;
constexpr int RootId = INT_MIN + 1;

using Text = std::optional<std::string>;
using Id = std::optional<int>;

QByteArray DeleteDocument(Id id, Text name)
{
    qorv::data::DeleteDocumentRequest request;
    if (id)
        request.set_document_id(*id);
    if (name)
        request.set_document_name(*name);
    return Serialized(request);
}

QByteArray DeleteFolder(Id id, Text name)
{
    qorv::data::DeleteFolderRequest request;
    if (id)
        request.set_folder_id(*id);
    if (name)
        request.set_folder_name(*name);
    return Serialized(request);
}

QByteArray DeleteMessageDocument(Id messageId, Id documentId)
{
    qorv::data::DeleteMessageDocumentRequest request;
    if (messageId)
        request.set_message_document_message_id(*messageId);
    if (documentId)
        request.set_message_document_document_id(*documentId);
    return Serialized(request);
}

QByteArray DeleteMessage(Id id, Id userId, Text subject)
{
    qorv::data::DeleteMessageRequest request;
    if (id)
        request.set_message_id(*id);
    if (userId)
        request.set_message_user_id(*userId);
    if (subject)
        request.set_message_subject(*subject);
    return Serialized(request);
}

QByteArray DeleteMessageUser(Id messageId, Id userId)
{
    qorv::data::DeleteMessageUserRequest request;
    if (messageId)
        request.set_message_user_message_id(*messageId);
    if (userId)
        request.set_message_user_user_id(*userId);
    return Serialized(request);
}

QByteArray UpdateDocument(bool withDocument, Id id, Text name, Text description)
{
    qorv::data::UpdateDocumentRequest request;
    if (withDocument) {
        qorv::data::Document *document = request.mutable_document();
        if (id)
            document->set_document_id(*id);
        if (name)
            document->set_document_name(*name);
        if (description)
            document->set_document_description(*description);
    }
    return Serialized(request);
}

QByteArray UpdateFolder(bool withFolder, Id id, Text name, Text description)
{
    qorv::data::UpdateFolderRequest request;
    if (withFolder) {
        qorv::data::Folder *folder = request.mutable_folder();
        if (id)
            folder->set_folder_id(*id);
        if (name)
            folder->set_folder_name(*name);
        if (description)
            folder->set_folder_description(*description);
    }
    return Serialized(request);
}

QByteArray UpdateMessage(bool withMessage, Id id, Text subject)
{
    qorv::data::UpdateMessageRequest request;
    if (withMessage) {
        qorv::data::Message *message = request.mutable_message();
        if (id)
            message->set_message_id(*id);
        if (subject)
            message->set_message_subject(*subject);
    }
    return Serialized(request);
}

std::string Line(int major, const QByteArray &request, int majorErcode = 0)
{
    return ReplyLine(major, 1, request.toStdString(), majorErcode, majorErcode == 0 ? 0 : 1, std::string());
}

int SeverityOf(int major)
{
    switch (major) {
    case 7:
    case 10:
    case 13:
    case 15:
    case 16:
        return 5;
    default:
        return 4;
    }
}
}

class TestSessionDeleteUpdateLogEvents : public AuditTestCase
{
    Q_OBJECT

private slots:
    // First in this process to build document deletions: the counts start
    // at 1 for each outcome.
    void countsStartAtOneForEachOutcome()
    {
        SetAuditMask(LineBit(5));
        const QByteArray request = DeleteDocument(42, "Plan");
        QCOMPARE(CountOf(Line(common::op::DeleteDocument, request)), 1u);
        QCOMPARE(CountOf(Line(common::op::DeleteDocument, request, 15)), 1u);
        QCOMPARE(CountOf(Line(common::op::DeleteDocument, request)), 2u);
        DeleteDocumentLogEvent event(7, 1, request.toStdString(), 0, 0, std::string(), nullptr);
        QCOMPARE(event.getSuccessOutcomeCnt(), 3u);
        QCOMPARE(event.getFailureOutcomeCnt(), 1u);
    }

    void headers_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QStringList>("header");

        const auto header = [](int classId, int severity, const char *name) {
            return HeaderFields(classId, QString::fromLatin1(name), severity);
        };
        QTest::newRow("log-on") << 3 << QByteArray() << header(1, 4, "authenticate user");
        QTest::newRow("session end") << 4 << QByteArray() << header(54, 4, "terminate user session");
        QTest::newRow("delete document") << 7 << DeleteDocument(1, "") << header(7, 5, "delete document");
        QTest::newRow("delete folder") << 10 << DeleteFolder(1, "") << header(9, 5, "delete folder");
        QTest::newRow("delete message document")
            << 13 << DeleteMessageDocument(1, 2) << header(14, 5, "delete message document");
        QTest::newRow("delete message") << 15 << DeleteMessage(1, 2, "") << header(13, 5, "delete message");
        QTest::newRow("delete message user") << 16 << DeleteMessageUser(1, 2) << header(16, 5, "delete message user");
        QTest::newRow("update document") << 57 << UpdateDocument(true, 1, {}, {}) << header(56, 4, "update document");
        QTest::newRow("update folder") << 60 << UpdateFolder(true, 1, {}, {}) << header(58, 4, "update folder");
        QTest::newRow("update message") << 65 << UpdateMessage(true, 1, "") << header(62, 4, "update message");
    }

    void headers()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        QFETCH(QStringList, header);
        const int severity = header.last().toInt();
        SetAuditMask(LineBit(severity));
        testsupport::AceLogCapture capture;
        const std::string line = Line(major, request);
        QCOMPARE(HeaderOf(line), header);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().priority, severity == 5 ? LM_WARNING : LM_INFO);
    }

    void lines_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<bool>("details");
        QTest::addColumn<QString>("pairs");

        QTest::newRow("log-on") << 3 << QByteArray() << 0 << true << "outcome=success";
        QTest::newRow("log-on refused") << 3 << QByteArray() << 63 << false << "outcome=failure reason=63";
        QTest::newRow("session end") << 4 << QByteArray("\xFF", 1) << 0 << true << "outcome=success";

        QTest::newRow("delete document, details") << 7 << DeleteDocument(42, "Plan") << 0 << true
                                                  << "cn1=42 cn1Label=documentId cs1=Plan cs1Label=documentName "
                                                     "outcome=success";
        QTest::newRow("delete document") << 7 << DeleteDocument(42, "Plan") << 0 << false
                                         << "cn1=42 cn1Label=documentId outcome=success";
        QTest::newRow("delete document, empty name")
            << 7 << DeleteDocument(42, "") << 0 << true << "cn1=42 cn1Label=documentId outcome=success";
        QTest::newRow("delete root document")
            << 7 << DeleteDocument(RootId, "") << 0 << false << "cn1=-2147483647 cn1Label=documentId outcome=success";
        QTest::newRow("delete document, id 0")
            << 7 << DeleteDocument(0, "") << 0 << false << "cn1=0 cn1Label=documentId outcome=success";
        QTest::newRow("delete document failed") << 7 << DeleteDocument(42, "Plan") << -1 << true
                                                << "cn1=42 cn1Label=documentId cs1=Plan cs1Label=documentName "
                                                   "msg=unknown error outcome=failure reason=-1";
        QTest::newRow("delete folder, details") << 10 << DeleteFolder(9, "a=b") << 0 << true
                                                << "cn1=9 cn1Label=folderId cs1=a\\=b cs1Label=folderName "
                                                   "outcome=success";
        QTest::newRow("delete folder") << 10 << DeleteFolder(9, "Old") << 0 << false
                                       << "cn1=9 cn1Label=folderId outcome=success";
        QTest::newRow("delete message document") << 13 << DeleteMessageDocument(5, 6) << 0 << true
                                                 << "cn1=5 cn1Label=messageId cn2=6 cn2Label=documentId "
                                                    "outcome=success";
        QTest::newRow("delete message document, no details") << 13 << DeleteMessageDocument(5, 6) << 0 << false
                                                             << "cn1=5 cn1Label=messageId cn2=6 cn2Label=documentId "
                                                                "outcome=success";
        QTest::newRow("delete message, details") << 15 << DeleteMessage(5, 6, "Hi") << 0 << true
                                                 << "cn1=5 cn1Label=messageId cs1=Hi cs1Label=messageSubject "
                                                    "outcome=success";
        QTest::newRow("delete message") << 15 << DeleteMessage(5, 6, "Hi") << 0 << false
                                        << "cn1=5 cn1Label=messageId outcome=success";
        QTest::newRow("delete message user") << 16 << DeleteMessageUser(5, 1001) << 4 << true
                                             << "cn1=5 cn1Label=messageId cn2=1001 cn2Label=userId "
                                                "msg=database execute statement error outcome=failure reason=4";

        QTest::newRow("update document, name") << 57 << UpdateDocument(true, 42, "Plan", "About") << 0 << true
                                               << "cn1=42 cn1Label=documentId cs1=Plan cs1Label=documentName "
                                                  "outcome=success";
        QTest::newRow("update document, description") << 57 << UpdateDocument(true, 42, "", "About") << 0 << true
                                                      << "cn1=42 cn1Label=documentId cs1=About "
                                                         "cs1Label=documentDescription outcome=success";
        QTest::newRow("update document, unset name") << 57 << UpdateDocument(true, 42, {}, "About") << 0 << true
                                                     << "cn1=42 cn1Label=documentId cs1=About "
                                                        "cs1Label=documentDescription outcome=success";
        QTest::newRow("update document, no texts")
            << 57 << UpdateDocument(true, 42, "", "") << 0 << true << "cn1=42 cn1Label=documentId outcome=success";
        QTest::newRow("update document, no details") << 57 << UpdateDocument(true, 42, "Plan", "About") << 0 << false
                                                     << "cn1=42 cn1Label=documentId outcome=success";
        QTest::newRow("update folder, name") << 60 << UpdateFolder(true, 9, "F", "D") << 0 << true
                                             << "cn1=9 cn1Label=folderId cs1=F cs1Label=folderName outcome=success";
        QTest::newRow("update folder, description") << 60 << UpdateFolder(true, 9, "", "D") << 0 << true
                                                    << "cn1=9 cn1Label=folderId cs1=D cs1Label=folderDescription "
                                                       "outcome=success";
        QTest::newRow("update folder failed") << 60 << UpdateFolder(true, 9, "F", "D") << 26 << false
                                              << "cn1=9 cn1Label=folderId outcome=failure reason=26";
        QTest::newRow("update message") << 65 << UpdateMessage(true, 5, "Hi there") << 0 << true
                                        << "cn1=5 cn1Label=messageId cs1=Hi there cs1Label=messageSubject "
                                           "outcome=success";
        QTest::newRow("update message, empty subject")
            << 65 << UpdateMessage(true, 5, "") << 0 << true << "cn1=5 cn1Label=messageId outcome=success";
    }

    void lines()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        QFETCH(int, majorErcode);
        QFETCH(bool, details);
        QFETCH(QString, pairs);
        const int severity = SeverityOf(major);
        SetAuditMask(LineBit(severity) | (details ? DetailsBit(severity) : 0));
        testsupport::AceLogCapture capture;
        const std::string line = Line(major, request, majorErcode);
        QCOMPARE(EventPairs(line), pairs);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, line);
    }

    void refused_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("warning");

        const QByteArray garbage("\xFF\xFF\xFF", 3);
        QTest::newRow("delete document, garbage") << 7 << garbage << "ParseFromString failed!";
        QTest::newRow("delete document, empty") << 7 << QByteArray() << "Bad document id!";
        QTest::newRow("delete document, no name") << 7 << DeleteDocument(42, {}) << "Bad document name!";
        QTest::newRow("delete document, null id") << 7 << DeleteDocument(NullId, "Plan") << "Invalid document id!";
        QTest::newRow("delete folder, garbage") << 10 << garbage << "ParseFromString failed!";
        QTest::newRow("delete folder, no id") << 10 << DeleteFolder({}, "F") << "Bad folder id!";
        QTest::newRow("delete folder, no name") << 10 << DeleteFolder(9, {}) << "Bad folder name!";
        QTest::newRow("delete folder, null id") << 10 << DeleteFolder(NullId, "F") << "Invalid folder id!";
        QTest::newRow("delete message document, garbage") << 13 << garbage << "ParseFromString failed!";
        QTest::newRow("delete message document, no message")
            << 13 << DeleteMessageDocument({}, 6) << "Bad message document message id!";
        QTest::newRow("delete message document, no document")
            << 13 << DeleteMessageDocument(5, {}) << "Bad message document document id!";
        QTest::newRow("delete message document, null message")
            << 13 << DeleteMessageDocument(NullId, NullId) << "Invalid message id!";
        QTest::newRow("delete message document, null document")
            << 13 << DeleteMessageDocument(5, NullId) << "Invalid document id!";
        QTest::newRow("delete message, garbage") << 15 << garbage << "ParseFromString failed!";
        QTest::newRow("delete message, no id") << 15 << DeleteMessage({}, 6, "Hi") << "Bad message id!";
        QTest::newRow("delete message, no user") << 15 << DeleteMessage(5, {}, "Hi") << "Bad message user id!";
        QTest::newRow("delete message, no subject") << 15 << DeleteMessage(5, 6, {}) << "Bad message subject!";
        QTest::newRow("delete message, null id") << 15 << DeleteMessage(NullId, 6, "Hi") << "Invalid message id!";
        QTest::newRow("delete message user, garbage") << 16 << garbage << "ParseFromString failed!";
        QTest::newRow("delete message user, no message")
            << 16 << DeleteMessageUser({}, 6) << "Bad message user message id!";
        QTest::newRow("delete message user, no user") << 16 << DeleteMessageUser(5, {}) << "Bad message user user id!";
        QTest::newRow("delete message user, null message")
            << 16 << DeleteMessageUser(NullId, NullId) << "Invalid message id!";
        QTest::newRow("delete message user, null user") << 16 << DeleteMessageUser(5, NullId) << "Invalid user id!";
        QTest::newRow("update document, garbage") << 57 << garbage << "ParseFromString failed!";
        QTest::newRow("update document, empty") << 57 << QByteArray() << "Bad document!";
        QTest::newRow("update document, no id") << 57 << UpdateDocument(true, {}, "P", "") << "Bad document id!";
        QTest::newRow("update document, null id")
            << 57 << UpdateDocument(true, NullId, "P", "") << "Invalid document id!";
        QTest::newRow("update folder, garbage") << 60 << garbage << "ParseFromString failed!";
        QTest::newRow("update folder, empty") << 60 << QByteArray() << "Bad folder!";
        QTest::newRow("update folder, no id") << 60 << UpdateFolder(true, {}, "F", "") << "Bad folder id!";
        QTest::newRow("update folder, null id") << 60 << UpdateFolder(true, NullId, "F", "") << "Invalid folder id!";
        QTest::newRow("update message, garbage") << 65 << garbage << "ParseFromString failed!";
        QTest::newRow("update message, empty") << 65 << QByteArray() << "Bad message!";
        QTest::newRow("update message, no id") << 65 << UpdateMessage(true, {}, "Hi") << "Bad message id!";
        QTest::newRow("update message, no subject") << 65 << UpdateMessage(true, 5, {}) << "Bad message subject!";
        QTest::newRow("update message, null id") << 65 << UpdateMessage(true, NullId, "Hi") << "Invalid message id!";
    }

    void refused()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        QFETCH(QString, warning);
        SetAuditMask(EveryLineWithDetails);
        testsupport::AceLogCapture capture;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QCOMPARE(Line(major, request), std::string());
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QCOMPARE(Line(major, request, -1), std::string());
        QVERIFY(capture.lines().empty());
    }

    // Unselected events read nothing and warn about nothing.
    void unselectedEventsReadNothing_data() { refused_data(); }

    void unselectedEventsReadNothing()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        SetAuditMask(EveryLineWithDetails & ~LineBit(SeverityOf(major)));
        testsupport::AceLogCapture capture;
        QCOMPARE(Line(major, request), std::string());
        QVERIFY(capture.lines().empty());
    }

    // Suppressed lines (mask, unusable request) still count, so the next line
    // shows the gap.
    void countersKeepRising_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("log-on") << 3 << QByteArray();
        QTest::newRow("session end") << 4 << QByteArray();
        QTest::newRow("delete folder") << 10 << DeleteFolder(9, "F");
        QTest::newRow("delete message user") << 16 << DeleteMessageUser(5, 6);
        QTest::newRow("update message") << 65 << UpdateMessage(true, 5, "Hi");
    }

    void countersKeepRising()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, request);
        const int severity = SeverityOf(major);
        SetAuditMask(LineBit(severity));
        const unsigned int successes = CountOf(Line(major, request));
        const unsigned int failures = CountOf(Line(major, request, 90));

        ClearUser();
        QCOMPARE(Line(major, request), std::string());
        QCOMPARE(Line(major, request, 90), std::string());
        SetAuditMask(LineBit(severity));
        if (major > 4) {
            QTest::ignoreMessage(QtWarningMsg, "ParseFromString failed!");
            QCOMPARE(Line(major, QByteArray("\xFF", 1)), std::string());
        } else {
            Line(major, request);
        }

        QCOMPARE(CountOf(Line(major, request)), successes + 3);
        QCOMPARE(CountOf(Line(major, request, -1)), failures + 2);
    }
};

QTEST_GUILESS_MAIN(TestSessionDeleteUpdateLogEvents)
#include "tst_sessiondeleteupdatelogevents.moc"
