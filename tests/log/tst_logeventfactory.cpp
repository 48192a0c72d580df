#include "audittestcase.h"
#include "logeventfactory.h"
#include "replylogevent.h"
#include "requestlogevent.h"

#include "common/auditroute.h"

#include <QtTest>

using namespace testsupport;

// The router asks the factory for an event exactly where the code tables say
// a reply or local request is audited; the factory must agree with them.
class TestLogEventFactory : public AuditTestCase
{
    Q_OBJECT

private slots:
    void replies_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QString>("className");

        QTest::newRow("3") << 3 << "AuthenticateUserLogEvent";
        QTest::newRow("4") << 4 << "TerminateUserSessionLogEvent";
        QTest::newRow("7") << 7 << "DeleteDocumentLogEvent";
        QTest::newRow("10") << 10 << "DeleteFolderLogEvent";
        QTest::newRow("13") << 13 << "DeleteMessageDocumentLogEvent";
        QTest::newRow("15") << 15 << "DeleteMessageLogEvent";
        QTest::newRow("16") << 16 << "DeleteMessageUserLogEvent";
        QTest::newRow("21") << 21 << "InsertDocumentKeyLogEvent";
        QTest::newRow("22") << 22 << "InsertDocumentLogEvent";
        QTest::newRow("24") << 24 << "InsertFolderKeyLogEvent";
        QTest::newRow("25") << 25 << "InsertFolderLogEvent";
        QTest::newRow("28") << 28 << "InsertMessageDocumentLogEvent";
        QTest::newRow("30") << 30 << "InsertMessageLogEvent";
        QTest::newRow("31") << 31 << "InsertMessageUserLogEvent";
        QTest::newRow("41") << 41 << "SelectDocumentLogEvent";
        QTest::newRow("44") << 44 << "SelectFolderLogEvent";
        QTest::newRow("50") << 50 << "SelectMessageLogEvent";
        QTest::newRow("54") << 54 << "SelectUserLogEvent";
        QTest::newRow("57") << 57 << "UpdateDocumentLogEvent";
        QTest::newRow("60") << 60 << "UpdateFolderLogEvent";
        QTest::newRow("65") << 65 << "UpdateMessageLogEvent";
    }

    void replies()
    {
        QFETCH(int, major);
        QFETCH(QString, className);
        const std::unique_ptr<ReplyLogEvent> event = MakeReplyLogEvent(major, -38, "request", 4, 2, "reply");
        QVERIFY(event);
        QCOMPARE(QString::fromLatin1(event->metaObject()->className()), className);
        QVERIFY(!event->parent());
    }

    void requests_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QString>("className");

        QTest::newRow("-12") << -12 << "CopyDocumentToClipboardLogEvent";
        QTest::newRow("-13") << -13 << "CopyMessageToClipboardLogEvent";
        QTest::newRow("-14") << -14 << "ExportDocumentToPdfFileLogEvent";
        QTest::newRow("-15") << -15 << "ExportDocumentToTextFileLogEvent";
        QTest::newRow("-16") << -16 << "ExportMessageToPdfFileLogEvent";
        QTest::newRow("-17") << -17 << "ExportMessageToTextFileLogEvent";
        QTest::newRow("-18") << -18 << "PasteDocumentFromClipboardLogEvent";
        QTest::newRow("-19") << -19 << "PasteMessageFromClipboardLogEvent";
        QTest::newRow("-20") << -20 << "PrintDocumentLogEvent";
        QTest::newRow("-21") << -21 << "PrintMessageLogEvent";
    }

    void requests()
    {
        QFETCH(int, major);
        QFETCH(QString, className);
        const std::unique_ptr<RequestLogEvent> event = MakeRequestLogEvent(major, 1, "request");
        QVERIFY(event);
        QCOMPARE(QString::fromLatin1(event->metaObject()->className()), className);
        QVERIFY(!event->parent());
    }

    void agreesWithTheCodeTables()
    {
        for (int major = -200; major <= 200; ++major) {
            QVERIFY2(bool(MakeReplyLogEvent(major, 1, {}, 0, 0, {})) == common::IsAuditedReply(major),
                     qPrintable(QString::number(major)));
            QVERIFY2(bool(MakeRequestLogEvent(major, 1, {})) == common::IsAuditedLocalRequest(major),
                     qPrintable(QString::number(major)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLogEventFactory)
#include "tst_logeventfactory.moc"
