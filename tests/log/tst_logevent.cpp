#include "acelogcapture.h"
#include "auditline.h"
#include "auditmask.h"
#include "audittestcase.h"
#include "logevent.h"
#include "registry.h"

#include "user3.pb.h"

#include <QSysInfo>
#include <QtTest>

#include <climits>
#include <stdexcept>

using namespace testsupport;

namespace
{
// A bare event whose header fields a test can set one by one.
class ProbeEvent : public LogEvent
{
public:
    explicit ProbeEvent(int severity = 7)
        : LogEvent(nullptr)
    {
        m_cefDeviceProduct = "QuillaneClient";
        m_cefDeviceVersion = "1.0.0";
        m_cefDeviceEventClassId = 4;
        m_cefName = "probe";
        m_cefSeverity = cef::Severity(severity);
    }

    void setProduct(const std::string &product) { m_cefDeviceProduct = product; }
    void setName(const std::string &name) { m_cefName = name; }
    void setClassId(std::int32_t id) { m_cefDeviceEventClassId = id; }
    void setSeverity(int severity) { m_cefSeverity = cef::Severity(severity); }
};

// Restores an environment variable when the test is done with it.
class ScopedVariable
{
public:
    explicit ScopedVariable(const char *name)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_value(qgetenv(name))
    {
    }
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_value;
};
}

class TestLogEvent : public AuditTestCase
{
    Q_OBJECT

private slots:
    void escaping_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("stored");

        QTest::newRow("plain") << QByteArray("Plan") << QByteArray("Plan");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
        QTest::newRow("equals and backslash") << QByteArray("a=b\\c") << QByteArray("a\\=b\\\\c");
        QTest::newRow("backslash before equals") << QByteArray("\\=") << QByteArray("\\\\\\=");
        QTest::newRow("pipe passes") << QByteArray("x|y") << QByteArray("x|y");
        QTest::newRow("blanks pass") << QByteArray("a b  c") << QByteArray("a b  c");
        QTest::newRow("line feed") << QByteArray("a\nb") << QByteArray("a\\nb");
        QTest::newRow("carriage return") << QByteArray("a\rb") << QByteArray("a\\rb");
        QTest::newRow("crlf at the end") << QByteArray("a\r\n") << QByteArray("a\\r\\n");
        // The text "\n" that someone typed stays distinguishable from a break.
        QTest::newRow("typed backslash n") << QByteArray("a\\nb") << QByteArray("a\\\\nb");
        // The system log takes the line as a C string: a NUL would end it.
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray("a\\0b");
        QTest::newRow("NUL at both ends") << QByteArray("\0a\0", 3) << QByteArray("\\0a\\0");
        QTest::newRow("typed backslash zero") << QByteArray("a\\0") << QByteArray("a\\\\0");
        QTest::newRow("tab passes") << QByteArray("a\tb") << QByteArray("a\tb");
        QTest::newRow("utf-8 passes") << QByteArray("Zo\xC3\xAB") << QByteArray("Zo\xC3\xAB");
        QTest::newRow("percent passes") << QByteArray("100%s%n") << QByteArray("100%s%n");
    }

    void escaping()
    {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, stored);
        QCOMPARE(cef::extension(value.toStdString()), stored.toStdString());

        ProbeEvent event;
        event.addKeyValuePair("cs1", value.toStdString());
        QCOMPARE(ExtensionOf(event.extension()).value("cs1").toUtf8(), stored);
    }

    void numbers_data()
    {
        QTest::addColumn<bool>("isSigned");
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("int -1") << true << qlonglong(-1) << "-1";
        QTest::newRow("int 0") << true << qlonglong(0) << "0";
        QTest::newRow("int 42") << true << qlonglong(42) << "42";
        QTest::newRow("smallest int") << true << qlonglong(INT_MIN) << "-2147483648";
        QTest::newRow("largest int") << true << qlonglong(INT_MAX) << "2147483647";
        QTest::newRow("unsigned 0") << false << qlonglong(0) << "0";
        QTest::newRow("largest unsigned") << false << qlonglong(UINT_MAX) << "4294967295";
    }

    void numbers()
    {
        QFETCH(bool, isSigned);
        QFETCH(qlonglong, value);
        QFETCH(QString, text);
        ProbeEvent event;
        if (isSigned)
            event.addKeyValuePair("cn1", static_cast<int>(value));
        else
            event.addKeyValuePair("cn1", static_cast<unsigned int>(value));
        QCOMPARE(ExtensionOf(event.extension()).value("cn1"), text);
    }

    void aKeyKeepsItsFirstValue()
    {
        ProbeEvent event;
        event.addKeyValuePair("cnt", 5u);
        event.addKeyValuePair("cnt", 6u);
        event.addKeyValuePair("cnt", std::string("seven"));
        event.addKeyValuePair("spid", -3);
        const QMap<QString, QString> pairs = ExtensionOf(event.extension());
        QCOMPARE(pairs.value("cnt"), QStringLiteral("5"));
        QCOMPARE(pairs.value("spid"), QString::number(QCoreApplication::applicationPid()));
        QCOMPARE(KeysOf(event.extension()).count("cnt"), 1);
    }

    void keysAreListedInByteOrder()
    {
        const std::string user = LiveUser();
        ProbeEvent event;
        event.addKeyValuePair("suser", std::string("ignored"));
        event.addKeyValuePair("cs1Label", std::string("documentName"));
        event.addKeyValuePair("cn1Label", std::string("documentId"));
        event.addKeyValuePair("cnt", 3u);
        event.addKeyValuePair("cs1", std::string("Plan"));
        event.addKeyValuePair("cn1", 42);
        event.addKeyValuePair("externalId", 9);
        event.addKeyValuePair("dst", std::string("127.0.0.1"));
        event.addKeyValuePair("out", 120);

        const std::string expected = "cn1=42 cn1Label=documentId cnt=3 cs1=Plan cs1Label=documentName dst=127.0.0.1 "
                                     "externalId=9 out=120 shost="
                                     + QSysInfo::machineHostName().toStdString()
                                     + " spid=" + std::to_string(QCoreApplication::applicationPid()) + " suser=" + user;
        QCOMPARE(event.extension(), expected);
    }

    void constructorNamesProcessHostAndUser()
    {
        const std::string user = LiveUser();
        ProbeEvent event;
        const QMap<QString, QString> pairs = ExtensionOf(event.extension());
        QCOMPARE(pairs.keys(), QStringList({"shost", "spid", "suser"}));
        QCOMPARE(pairs.value("spid"), QString::number(QCoreApplication::applicationPid()));
        QCOMPARE(pairs.value("shost"), QSysInfo::machineHostName());
        QCOMPARE(pairs.value("suser").toStdString(), user);
    }

    void user_data()
    {
        QTest::addColumn<QByteArray>("user");     // "-" for unset
        QTest::addColumn<QByteArray>("userName"); // "-" for unset
        QTest::addColumn<QString>("expected");

        QTest::newRow("USER") << QByteArray("alice") << QByteArray("bob") << "alice";
        QTest::newRow("USERNAME without USER") << QByteArray("-") << QByteArray("bob") << "bob";
        QTest::newRow("USERNAME when USER is empty") << QByteArray("") << QByteArray("bob") << "bob";
        QTest::newRow("empty USER, no USERNAME") << QByteArray("") << QByteArray("-") << "unknown";
        QTest::newRow("both empty") << QByteArray("") << QByteArray("") << "unknown";
        QTest::newRow("neither") << QByteArray("-") << QByteArray("-") << "unknown";
        QTest::newRow("non-ASCII") << QByteArray("j\xC3\xB6rg") << QByteArray("-") << QString::fromUtf8("j\xC3\xB6rg");
        QTest::newRow("escaped like any value") << QByteArray("a=b") << QByteArray("-") << "a\\=b";
        QTest::newRow("a forged line break") << QByteArray("x\nCEF:0|") << QByteArray("-") << "x\\nCEF:0|";
    }

    void user()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, userName);
        QFETCH(QString, expected);
        const ScopedVariable keepUser("USER");
        const ScopedVariable keepUserName("USERNAME");
        const auto set = [](const char *name, const QByteArray &value) {
            if (value == "-")
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("USER", user);
        set("USERNAME", userName);

        ProbeEvent event;
        QCOMPARE(ExtensionOf(event.extension()).value("suser"), expected);
    }

    void header_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("classId");
        QTest::addColumn<int>("severity");
        QTest::addColumn<QString>("expected");

        QTest::newRow("complete") << "QuillaneClient"
                                  << "copy document to clipboard" << 4 << 7
                                  << "CEF:0|Halvemoor|QuillaneClient|1.0.0|4|copy document to clipboard|7|";
        QTest::newRow("numbers are not tested") << "QuillaneClient"
                                                << "n" << -5 << 0 << "CEF:0|Halvemoor|QuillaneClient|1.0.0|-5|n|0|";
        // Header fields are the program's own texts and pass as they are.
        QTest::newRow("no escaping") << "Q=C"
                                     << "a|b" << 1 << 1 << "CEF:0|Halvemoor|Q=C|1.0.0|1|a|b|1|";
        QTest::newRow("empty name") << "QuillaneClient"
                                    << "" << 4 << 7 << "";
        QTest::newRow("empty product") << ""
                                       << "n" << 4 << 7 << "";
    }

    void header()
    {
        QFETCH(QString, product);
        QFETCH(QString, name);
        QFETCH(int, classId);
        QFETCH(int, severity);
        QFETCH(QString, expected);
        ProbeEvent event;
        event.setProduct(product.toStdString());
        event.setName(name.toStdString());
        event.setClassId(classId);
        event.setSeverity(severity);
        QCOMPARE(QString::fromStdString(event.header()), expected);
    }

    void mask_data()
    {
        QTest::addColumn<bool>("loggedOn");
        QTest::addColumn<uint>("mask");
        QTest::addColumn<int>("severity");
        QTest::addColumn<bool>("audited");
        QTest::addColumn<bool>("details");

        for (int severity = 0; severity <= 11; ++severity)
            QTest::addRow("no user, severity %d", severity) << false << 0u << severity << false << false;
        QTest::newRow("mask 0") << true << 0u << 7 << false << false;
        QTest::newRow("bit 7 only") << true << LineBit(7) << 7 << true << false;
        QTest::newRow("bits 7 and 17") << true << (LineBit(7) | DetailsBit(7)) << 7 << true << true;
        // Details of a line that is not written: nothing is written.
        QTest::newRow("bit 17 only") << true << DetailsBit(7) << 7 << false << true;
        QTest::newRow("bit 7, severity 6") << true << LineBit(7) << 6 << false << false;
        QTest::newRow("severity 1") << true << (LineBit(1) | DetailsBit(1)) << 1 << true << true;
        QTest::newRow("severity 10") << true << (LineBit(10) | DetailsBit(10)) << 10 << true << true;
        QTest::newRow("bit 0 selects nothing") << true << 1u << 0 << false << false;
        QTest::newRow("severity 0, every bit") << true << 0xFFFFFFFFu << 0 << false << false;
        QTest::newRow("severity 11, every bit") << true << 0xFFFFFFFFu << 11 << false << false;
        QTest::newRow("severity -1, every bit") << true << 0xFFFFFFFFu << -1 << false << false;
        QTest::newRow("bits 21 to 31 unused") << true << 0xFFE00000u << 7 << false << false;
    }

    void mask()
    {
        QFETCH(bool, loggedOn);
        QFETCH(uint, mask);
        QFETCH(int, severity);
        QFETCH(bool, audited);
        QFETCH(bool, details);
        if (loggedOn)
            SetAuditMask(mask);
        ProbeEvent event(severity);
        QCOMPARE(event.auditEvent(), audited);
        QCOMPARE(event.addEventDetails(), details);
    }

    void maskWithoutDescriptorOrAudits()
    {
        qorv::data::User user;
        user.set_user_id(1001);
        RegistrySingleton::instance()->setUser(user);
        QVERIFY(!ProbeEvent(1).auditEvent());

        user.mutable_user_security_descriptor()->set_permissions(0xFFFFFFFFu);
        RegistrySingleton::instance()->setUser(user);
        QVERIFY(!ProbeEvent(1).auditEvent());
    }

    // The mask is read at every question, so an event follows a log-off.
    void maskIsReadAnew()
    {
        SetAuditMask(LineBit(7));
        ProbeEvent event;
        QVERIFY(event.auditEvent());
        ClearUser();
        QVERIFY(!event.auditEvent());
    }

    void auditSeverityRange()
    {
        SetAuditMask(0x80000000u);
        ProbeEvent event;
        QVERIFY(event.auditSeverity(cef::Severity(31)));
        QVERIFY(!event.auditSeverity(cef::Severity(30)));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, event.auditSeverity(cef::Severity(32)));
    }

    void priority_data()
    {
        QTest::addColumn<int>("severity");
        QTest::addColumn<int>("priority");
        const int priorities[] = {LM_INFO,  LM_WARNING, LM_ERROR, LM_INFO,    LM_WARNING,
                                  LM_ERROR, LM_WARNING, LM_ERROR, LM_WARNING, LM_ERROR};
        for (int severity = 1; severity <= 10; ++severity)
            QTest::addRow("severity %d", severity) << severity << priorities[severity - 1];
    }

    void priority()
    {
        QFETCH(int, severity);
        QFETCH(int, priority);
        SetAuditMask(LineBit(severity));
        ProbeEvent event(severity);
        testsupport::AceLogCapture capture;
        const std::string line = event.logEvent(cef::Outcome::None);

        QCOMPARE(line, event.header() + event.extension());
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(int(capture.lines().front().priority), priority);
        QCOMPARE(capture.lines().front().text, line);
    }

    void outcome_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("expected"); // empty: no key
        QTest::newRow("failure") << int(cef::Outcome::Failure) << "failure";
        QTest::newRow("success") << int(cef::Outcome::Success) << "success";
        QTest::newRow("none") << int(cef::Outcome::None) << "";
        QTest::newRow("out of range") << 7 << "";
    }

    void outcome()
    {
        QFETCH(int, outcome);
        QFETCH(QString, expected);
        SetAuditMask(LineBit(7));
        ProbeEvent event;
        testsupport::AceLogCapture capture;
        const std::string line = event.logEvent(cef::Outcome(outcome));
        const QMap<QString, QString> pairs = ExtensionOf(line);
        QCOMPARE(pairs.contains("outcome"), !expected.isEmpty());
        QCOMPARE(pairs.value("outcome"), expected);
        QVERIFY(line.rfind("CEF:0|Halvemoor|QuillaneClient|1.0.0|4|probe|7|", 0) == 0);
    }

    void anEarlierOutcomeKeyStays()
    {
        SetAuditMask(LineBit(7));
        ProbeEvent event;
        event.addKeyValuePair("outcome", std::string("pending"));
        testsupport::AceLogCapture capture;
        QCOMPARE(ExtensionOf(event.logEvent(cef::Outcome::Success)).value("outcome"), QStringLiteral("pending"));
    }

    // A name chosen by another user must not be able to start a line of its
    // own in the system log.
    void aValueCannotBreakTheLine()
    {
        const std::string user = LiveUser();
        SetAuditMask(LineBit(7));
        ProbeEvent event;
        const std::string forged = "Plan\r\nCEF:0|Halvemoor|QuillaneClient|1.0.0|1|forged|10|suser=root";
        event.addKeyValuePair("cs1", forged);
        testsupport::AceLogCapture capture;
        const std::string line = event.logEvent(cef::Outcome::None);

        QVERIFY(line.find('\n') == std::string::npos);
        QVERIFY(line.find('\r') == std::string::npos);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, line);
        QCOMPARE(ExtensionOf(line).value("cs1"),
                 QStringLiteral("Plan\\r\\nCEF:0|Halvemoor|QuillaneClient|1.0.0|1|forged|10|suser\\=root"));
        QCOMPARE(ExtensionOf(line).value("suser").toStdString(), user);
    }

    void aNulCannotCutTheLine()
    {
        const std::string user = LiveUser();
        SetAuditMask(LineBit(7));
        ProbeEvent event;
        event.addKeyValuePair("cs1", std::string("Pl\0an", 5));
        testsupport::AceLogCapture capture;
        const std::string line = event.logEvent(cef::Outcome::Failure);

        QVERIFY(line.find('\0') == std::string::npos);
        QCOMPARE(ExtensionOf(line).value("cs1"), QStringLiteral("Pl\\0an"));
        QCOMPARE(ExtensionOf(line).value("outcome"), QStringLiteral("failure"));
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, line);
        const std::string userPart = " suser=" + user;
        QCOMPARE(line.substr(line.size() - userPart.size()), userPart);
    }

    void percentSignsAreText()
    {
        SetAuditMask(LineBit(7));
        ProbeEvent event;
        event.addKeyValuePair("cs1", std::string("%s%n%d"));
        testsupport::AceLogCapture capture;
        const std::string line = event.logEvent(cef::Outcome::None);
        QCOMPARE(capture.lines().front().text, line);
        QCOMPARE(ExtensionOf(line).value("cs1"), QStringLiteral("%s%n%d"));
    }
};

QTEST_GUILESS_MAIN(TestLogEvent)
#include "tst_logevent.moc"
