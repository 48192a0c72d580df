#include "common/auditkind.h"
#include "common/auditroute.h"
#include "common/errorcode.h"
#include "common/errorkey.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/serverroute.h"

#include <QtTest>

#include <set>

using namespace common;

class TestCodeTables : public QObject
{
    Q_OBJECT

private slots:
    void servedByServer_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<bool>("served");
        QTest::newRow("log-on, own handler") << int(op::AuthenticateUser) << true;
        QTest::newRow("terminate session") << int(op::TerminateUserSession) << true;
        QTest::newRow("update message, own handler") << int(op::UpdateMessage) << true;
        QTest::newRow("delete document") << int(op::DeleteDocument) << true;
        QTest::newRow("reserved 5 inside the set") << 5 << true;
        QTest::newRow("select group, no sender") << int(op::SelectGroup) << true;
        QTest::newRow("reserved 55 inside the set") << 55 << true;
        QTest::newRow("update user-group user, no sender") << int(op::UpdateUserGroupUser) << true;
        QTest::newRow("dictionary insert, direct only") << int(op::InsertDictionary) << true;
        QTest::newRow("dictionary select, direct only") << int(op::SelectDictionary) << true;
        QTest::newRow("user groups, direct only") << int(op::SelectUserGroup) << true;
        QTest::newRow("user-group users, direct only") << int(op::SelectUserGroupUser) << true;
        QTest::newRow("reserved 47") << 47 << false;
        QTest::newRow("reserved 1") << 1 << false;
        QTest::newRow("reserved 11") << 11 << false;
        QTest::newRow("reserved 19") << 19 << false;
        QTest::newRow("reserved 26") << 26 << false;
        QTest::newRow("reserved 34") << 34 << false;
        QTest::newRow("reserved 38") << 38 << false;
        QTest::newRow("reserved 61") << 61 << false;
        QTest::newRow("reserved 63") << 63 << false;
        QTest::newRow("reset password, direct") << int(op::ResetPassword) << false;
        QTest::newRow("reset user name, direct") << int(op::ResetUserName) << false;
        QTest::newRow("web pages, direct") << int(op::SelectDocumentWebpage) << false;
        QTest::newRow("message documents, direct") << int(op::SelectMessageDocument) << false;
        QTest::newRow("update user, direct") << int(op::UpdateUser) << false;
        QTest::newRow("verify, direct") << int(op::VerifyUserNameReset) << false;
        QTest::newRow("above the last code") << 76 << false;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("open document browser") << int(op::OpenDocumentBrowser) << false;
        QTest::newRow("log event") << int(op::LogEventCopyDocumentToClipboard) << false;
        QTest::newRow("start clock") << int(op::StartClock) << false;
        QTest::newRow("negated served code") << -7 << false;
    }

    void servedByServer()
    {
        QFETCH(int, major);
        QFETCH(bool, served);
        QCOMPARE(IsServedByServer(major), served);
    }

    // The set written out code by code, against the ranges the router keeps.
    void servedSetIsExact()
    {
        const std::set<int> expected = {3,  4,  5,  6,  7,  8,  9,  10, 13, 14, 15, 16, 17, 18, 20, 21, 22,
                                        23, 24, 25, 28, 29, 30, 31, 32, 33, 39, 40, 41, 43, 44, 45, 46, 49,
                                        50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 64, 65, 66, 67, 68};
        std::set<int> actual;
        for (int code = -100; code <= 100; ++code) {
            if (IsServedByServer(code))
                actual.insert(code);
        }
        QVERIFY(actual == expected);
    }

    void headerErcode_data()
    {
        QTest::addColumn<int>("headerMajor");
        QTest::addColumn<int>("headerMinor");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::newRow("clean reply") << 1 << 1 << 0 << 0;
        QTest::newRow("minor qualifies") << 1 << 7 << 0 << 7;
        QTest::newRow("major only") << 63 << 1 << 63 << 0;
        QTest::newRow("both named") << 92 << 2 << 92 << 2;
        QTest::newRow("zeros stay") << 0 << 0 << 0 << 0;
        QTest::newRow("negative stays") << -1 << -1 << -1 << -1;
    }

    void headerErcode()
    {
        QFETCH(int, headerMajor);
        QFETCH(int, headerMinor);
        QFETCH(int, major);
        QFETCH(int, minor);
        QCOMPARE(NormaliseHeaderErcode(headerMajor), major);
        QCOMPARE(NormaliseHeaderErcode(headerMinor), minor);
    }

    void replyAuditKind_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("kind");
        QTest::newRow("3") << 3 << -2;
        QTest::newRow("4") << 4 << -45;
        QTest::newRow("7") << 7 << -8;
        QTest::newRow("10") << 10 << -11;
        QTest::newRow("13") << 13 << -14;
        QTest::newRow("15") << 15 << -15;
        QTest::newRow("16") << 16 << -16;
        QTest::newRow("21 is not its own number") << 21 << -23;
        QTest::newRow("22 is not its own number") << 22 << -22;
        QTest::newRow("24") << 24 << -25;
        QTest::newRow("25") << 25 << -24;
        QTest::newRow("28") << 28 << -28;
        QTest::newRow("30") << 30 << -29;
        QTest::newRow("31") << 31 << -30;
        QTest::newRow("41") << 41 << -37;
        QTest::newRow("44") << 44 << -39;
        QTest::newRow("50") << 50 << -43;
        QTest::newRow("54") << 54 << -44;
        QTest::newRow("57") << 57 << -48;
        QTest::newRow("60") << 60 << -52;
        QTest::newRow("65") << 65 << -60;
        QTest::newRow("delete document key") << 6 << 0;
        QTest::newRow("delete message folder") << 14 << 0;
        QTest::newRow("select document key") << 40 << 0;
        QTest::newRow("select message user") << 51 << 0;
        QTest::newRow("update document key") << 56 << 0;
        QTest::newRow("update message user") << 66 << 0;
        QTest::newRow("reserved") << 47 << 0;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("log-event request is no reply") << -12 << 0;
    }

    void replyAuditKind()
    {
        QFETCH(int, major);
        QFETCH(int, kind);
        QCOMPARE(ReplyAuditKind(major), kind);
        QCOMPARE(IsAuditedReply(major), kind != audit::None);
    }

    void localRequestAuditKind_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("kind");
        QTest::newRow("copy document") << -12 << -6;
        QTest::newRow("copy message") << -13 << -7;
        QTest::newRow("document to pdf") << -14 << -18;
        QTest::newRow("document to text") << -15 << -19;
        QTest::newRow("message to pdf") << -16 << -20;
        QTest::newRow("message to text") << -17 << -21;
        QTest::newRow("paste document") << -18 << -33;
        QTest::newRow("paste message") << -19 << -34;
        QTest::newRow("print document") << -20 << -35;
        QTest::newRow("print message") << -21 << -36;
        QTest::newRow("just above") << -11 << 0;
        QTest::newRow("just below") << -22 << 0;
        QTest::newRow("open document browser") << -26 << 0;
        QTest::newRow("start clock") << -53 << 0;
        QTest::newRow("server reply is no local request") << 3 << 0;
    }

    void localRequestAuditKind()
    {
        QFETCH(int, major);
        QFETCH(int, kind);
        QCOMPARE(LocalRequestAuditKind(major), kind);
        QCOMPARE(IsAuditedLocalRequest(major), kind != audit::None);
    }

    // Every audit kind names one event class: no two audited codes share one,
    // and none of them collides with None.
    void auditKindsAreDistinct()
    {
        std::set<int> kinds;
        int audited = 0;
        for (int code = -100; code <= 100; ++code) {
            const Evcode kind = code > 0 ? ReplyAuditKind(code) : LocalRequestAuditKind(code);
            if (kind == audit::None)
                continue;
            ++audited;
            QVERIFY(kind < 0 && kind >= -60);
            kinds.insert(kind);
        }
        QCOMPARE(audited, 31);
        QCOMPARE(int(kinds.size()), audited);
    }

    void logOnErrorKey_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("no reply") << -1 << QByteArray("AuthenticateUserServiceNoReplyEr");
        QTest::newRow("success shows nothing") << 0 << QByteArray();
        QTest::newRow("1 is not named") << 1 << QByteArray("AuthenticateUserDefaultEr");
        QTest::newRow("2 is not named") << 2 << QByteArray("AuthenticateUserDefaultEr");
        QTest::newRow("database connection") << 3 << QByteArray("AuthenticateUserDatabaseConnectionEr");
        QTest::newRow("execute statement") << 4 << QByteArray("AuthenticateUserDatabaseExecuteStatementEr");
        QTest::newRow("null pointer") << 6 << QByteArray("AuthenticateUserDatabaseNullPointerEr");
        QTest::newRow("named only by the audit table") << 8 << QByteArray("AuthenticateUserDefaultEr");
        QTest::newRow("bad password") << 63 << QByteArray("AuthenticateUserServiceBadPasswordEr");
        QTest::newRow("bad sequence value") << 64 << QByteArray("AuthenticateUserServiceBadSequenceValueEr");
        QTest::newRow("insert session record") << 83 << QByteArray("AuthenticateUserServiceInsertSessionRecordEr");
        QTest::newRow("invalid minor protocol") << 86 << QByteArray("AuthenticateUserServiceInvalidMinorProtocolEr");
        QTest::newRow("no user found") << 92 << QByteArray("AuthenticateUserServiceNoUserFoundEr");
        QTest::newRow("93 is not named") << 93 << QByteArray("AuthenticateUserDefaultEr");
        QTest::newRow("94 only in the audit table") << 94 << QByteArray("AuthenticateUserDefaultEr");
        QTest::newRow("below the range") << -2 << QByteArray("AuthenticateUserDefaultEr");
        QTest::newRow("far above") << 100000 << QByteArray("AuthenticateUserDefaultEr");
    }

    void logOnErrorKey()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, key);
        const char *actual = LogOnErrorKey(major);
        if (key.isNull())
            QCOMPARE(actual, nullptr);
        else
            QCOMPARE(QByteArray(actual), key);
    }

    void auditDetailKey_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("no reply") << -1 << QByteArray("UnknownErMsg");
        QTest::newRow("zero") << 0 << QByteArray("UnknownErMsg");
        QTest::newRow("database connection, log-on only") << 3 << QByteArray("UnknownErMsg");
        QTest::newRow("execute statement") << 4 << QByteArray("DatabaseExecuteStatementErMsg");
        QTest::newRow("invalid argument, log-on only") << 5 << QByteArray("UnknownErMsg");
        QTest::newRow("prepare statement") << 7 << QByteArray("DatabasePrepareStatementErMsg");
        QTest::newRow("runtime") << 8 << QByteArray("DatabaseRuntimeErMsg");
        QTest::newRow("parse") << 9 << QByteArray("ProtoParseFromStringErMsg");
        QTest::newRow("period end") << 22 << QByteArray("ServiceBadDocumentSysEndErMsg");
        QTest::newRow("message-document message id") << 47 << QByteArray("ServiceBadMessageDocumentMessageIdErMsg");
        QTest::newRow("57 is not named") << 57 << QByteArray("UnknownErMsg");
        QTest::newRow("server time zone") << 65 << QByteArray("ServiceBadServerTimezoneErMsg");
        QTest::newRow("no user found") << 92 << QByteArray("ServiceNoUserFoundErMsg");
        QTest::newRow("verify message") << 94 << QByteArray("ServiceVerifyMessageDatabaseErMsg");
        QTest::newRow("95 above the range") << 95 << QByteArray("UnknownErMsg");
        QTest::newRow("far below") << -100000 << QByteArray("UnknownErMsg");
    }

    void auditDetailKey()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, key);
        QCOMPARE(QByteArray(AuditDetailKey(major)), key);
    }

    // Codes that both tables name must name the same failure in each.
    void bothTablesNameTheSameFailure()
    {
        for (const Ercode code : {4, 7, 63, 64, 81, 82, 83, 85, 86, 92}) {
            const QByteArray logOn = LogOnErrorKey(code);
            const QByteArray detail = AuditDetailKey(code);
            QVERIFY2(logOn != LogOnDefaultErrorKey && detail != AuditUnknownDetailKey, QByteArray::number(code));
            QVERIFY(logOn.startsWith("AuthenticateUser") && logOn.endsWith("Er"));
            QCOMPARE(logOn.mid(16, logOn.size() - 18), detail.left(detail.size() - 5));
        }
    }
};

QTEST_GUILESS_MAIN(TestCodeTables)
#include "tst_codetables.moc"
