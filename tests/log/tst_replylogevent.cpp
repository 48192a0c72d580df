#include "acelogcapture.h"
#include "auditeventline.h"
#include "auditline.h"
#include "auditmask.h"
#include "audittestcase.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "replylogevent.h"

#include <QtTest>

#include <climits>

using namespace testsupport;

namespace
{
// A reply event whose payload check the test decides, and which counts how
// often it was asked.
class ProbeReplyEvent : public ReplyLogEvent
{
public:
    ProbeReplyEvent(int majorErcode, bool accept)
        : ReplyLogEvent(common::op::DeleteDocument, common::tag::Plain, std::string(), majorErcode, 0, std::string(),
                        nullptr)
        , m_accept(accept)
    {
        m_cefDeviceEventClassId = 99;
        m_cefName = "probe";
        m_cefSeverity = cef::Severity(5);
    }

    bool handleEvent() override
    {
        ++m_calls;
        return m_accept;
    }

    int calls() const { return m_calls; }

private:
    bool m_accept;
    int m_calls = 0;
};

// The texts a failed reply carries with details, by major error code.
const QMap<int, QString> &ErrorTexts()
{
    static const QMap<int, QString> texts = {
        {4, "database execute statement error"},
        {7, "database prepare statement error"},
        {8, "Database runtime error message."},
        {9, "proto parse from string error"},
        {10, "proto serialize to string error"},
        {15, "service bad document id error"},
        {19, "service bad document key id error"},
        {22, "service bad document sys end error"},
        {26, "service bad folder id error"},
        {30, "service bad folder key id error"},
        {35, "service bad group id error"},
        {39, "service bad group key id error"},
        {44, "service bad id error"},
        {46, "service bad message document document id error"},
        {47, "service bad message document message id error"},
        {50, "service bad message folder id error"},
        {51, "service bad message folder name error"},
        {52, "service bad message folder parent id error"},
        {53, "service bad message folder user id error"},
        {54, "service bad message id error"},
        {55, "service bad message subject error"},
        {56, "service bad message time differential error"},
        {58, "service bad message user id error"},
        {59, "service bad message user message id error"},
        {60, "service bad message user user id error"},
        {62, "service bad name error"},
        {63, "service bad password error"},
        {64, "service bad sequence value error"},
        {65, "service bad server time zone error"},
        {66, "service bad session id error"},
        {73, "service bad user group group id error"},
        {74, "service bad user group id error"},
        {75, "service bad user id error"},
        {80, "service cannot allocate message block error"},
        {81, "service decryption authentication error"},
        {82, "service encryption authentication error"},
        {83, "service insert session record error"},
        {85, "service invalid major protocol error"},
        {86, "service invalid minor protocol error"},
        {90, "service no data found error"},
        {92, "service no user found error"},
        {94, "service verify message database error"},
    };
    return texts;
}

// The log-on event reads no payload, so the base alone shapes its line.
std::string LogOnLine(int majorErcode, int minorErcode)
{
    return ReplyLine(common::op::AuthenticateUser, common::tag::Plain, std::string(), majorErcode, minorErcode,
                     std::string());
}
}

class TestReplyLogEvent : public AuditTestCase
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AuditTestCase::initTestCase();
        QCOMPARE(ErrorTexts().size(), 42);
    }

    void outcome_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<bool>("details");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("reason"); // empty: absent
        QTest::addColumn<QString>("msg");    // empty: absent

        QTest::newRow("(0, 0)") << 0 << 0 << true << "success"
                                << ""
                                << "";
        QTest::newRow("(0, 7) is a success") << 0 << 7 << true << "success"
                                             << ""
                                             << "";
        QTest::newRow("(63, 2) with details") << 63 << 2 << true << "failure"
                                              << "63"
                                              << "service bad password error";
        QTest::newRow("(63, 2) without details") << 63 << 2 << false << "failure"
                                                 << "63"
                                                 << "";
        QTest::newRow("no reply, with details") << -1 << 1 << true << "failure"
                                                << "-1"
                                                << "unknown error";
        QTest::newRow("no reply, without details") << -1 << 1 << false << "failure"
                                                   << "-1"
                                                   << "";
        QTest::newRow("smallest code") << INT_MIN << 0 << true << "failure"
                                       << "-2147483648"
                                       << "unknown error";
    }

    void outcome()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(bool, details);
        QFETCH(QString, outcome);
        QFETCH(QString, reason);
        QFETCH(QString, msg);
        SetAuditMask(LineBit(4) | (details ? DetailsBit(4) : 0));
        testsupport::AceLogCapture capture;
        const std::string line = LogOnLine(majorErcode, minorErcode);

        QCOMPARE(HeaderOf(line), HeaderFields(1, "authenticate user", 4));
        const QMap<QString, QString> pairs = ExtensionOf(line);
        QCOMPARE(pairs.value("outcome"), outcome);
        QCOMPARE(pairs.contains("reason"), !reason.isEmpty());
        QCOMPARE(pairs.value("reason"), reason);
        QCOMPARE(pairs.contains("msg"), !msg.isEmpty());
        QCOMPARE(pairs.value("msg"), msg);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, line);
        QCOMPARE(capture.lines().front().priority, LM_INFO);
    }

    void errorTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QString unknown = QStringLiteral("unknown error");
        for (int code = -2; code <= 97; ++code) {
            if (code != 0)
                QTest::addRow("%d", code) << code << ErrorTexts().value(code, unknown);
        }
        QTest::newRow("largest") << INT_MAX << unknown;
    }

    void errorTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        SetAuditMask(LineBit(4) | DetailsBit(4));
        testsupport::AceLogCapture capture;
        const QMap<QString, QString> pairs = ExtensionOf(LogOnLine(code, 1));
        QCOMPARE(pairs.value("msg"), text);
        QCOMPARE(pairs.value("reason"), QString::number(code));
    }

    // Without the translation the keys show, so a missing text is visible.
    void untranslatedTextsShowTheirKeys()
    {
        removeTexts();
        SetAuditMask(LineBit(4) | DetailsBit(4));
        testsupport::AceLogCapture capture;
        const std::string bad = LogOnLine(63, 1);
        const std::string unknown = LogOnLine(5, 1);
        installTexts();

        QCOMPARE(ExtensionOf(bad).value("msg"), QStringLiteral("ServiceBadPasswordErMsg"));
        QCOMPARE(ExtensionOf(unknown).value("msg"), QStringLiteral("UnknownErMsg"));
        QCOMPARE(HeaderOf(bad).value(5), QStringLiteral("Name"));
    }

    void anUnselectedEventIsNotHandled()
    {
        SetAuditMask(EveryLineWithDetails & ~LineBit(5));
        ProbeReplyEvent event(0, true);
        testsupport::AceLogCapture capture;
        QCOMPARE(event(), std::string());
        QCOMPARE(event.calls(), 0);
        QVERIFY(capture.lines().empty());
    }

    void aRefusedPayloadGivesNoLine_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::newRow("success") << 0;
        QTest::newRow("server error") << 4;
        QTest::newRow("no reply") << -1;
    }

    void aRefusedPayloadGivesNoLine()
    {
        QFETCH(int, majorErcode);
        SetAuditMask(LineBit(5) | DetailsBit(5));
        ProbeReplyEvent event(majorErcode, false);
        testsupport::AceLogCapture capture;
        QCOMPARE(event(), std::string());
        QCOMPARE(event.calls(), 1);
        QVERIFY(capture.lines().empty());
    }

    void anAcceptedPayloadGivesTheLine()
    {
        SetAuditMask(LineBit(5));
        ProbeReplyEvent event(0, true);
        testsupport::AceLogCapture capture;
        const std::string line = event();
        QCOMPARE(event.calls(), 1);
        QCOMPARE(HeaderOf(line).value(4), QStringLiteral("99"));
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().priority, LM_WARNING);
    }
};

QTEST_GUILESS_MAIN(TestReplyLogEvent)
#include "tst_replylogevent.moc"
