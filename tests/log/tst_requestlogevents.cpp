#include "acelogcapture.h"
#include "auditeventline.h"
#include "auditline.h"
#include "auditmask.h"
#include "audittestcase.h"
#include "common/majorcode.h"
#include "copydocumenttoclipboardlogevent.h"
#include "messagedispatcher.h"

#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "logeventcopymessagetoclipboardrequest3.pb.h"

#include <QSysInfo>
#include <QtTest>

#include <climits>

using namespace testsupport;

namespace
{
constexpr int ServerPort = 4433;
constexpr int SessionId = 77;

// The ten local requests share one layout: the record at 1000 and the size at
// 1010, so a copy request stands for every document request and likewise for
// messages.
std::string DocumentPayload(bool withId, int id, bool withName, const std::string &name, bool withSize, int size)
{
    qorv::data::LogEventCopyDocumentToClipboardRequest request;
    qorv::data::Document *document = request.mutable_document();
    if (withId)
        document->set_document_id(id);
    if (withName)
        document->set_document_name(name);
    if (withSize)
        request.set_size(size);
    return request.SerializeAsString();
}

std::string MessagePayload(bool withId, int id, bool withSubject, const std::string &subject, bool withSize, int size)
{
    qorv::data::LogEventCopyMessageToClipboardRequest request;
    qorv::data::Message *message = request.mutable_message();
    if (withId)
        message->set_message_id(id);
    if (withSubject)
        message->set_message_subject(subject);
    if (withSize)
        request.set_size(size);
    return request.SerializeAsString();
}

bool IsMessageRequest(int major)
{
    return major == common::op::LogEventCopyMessageToClipboard || major == common::op::LogEventExportMessageToPdfFile
           || major == common::op::LogEventExportMessageToTextFile
           || major == common::op::LogEventPasteMessageFromClipboard || major == common::op::LogEventPrintMessage;
}

std::string Payload(int major, int id, const std::string &name, int size)
{
    return IsMessageRequest(major) ? MessagePayload(true, id, true, name, true, size)
                                   : DocumentPayload(true, id, true, name, true, size);
}

std::string Line(int major, const std::string &payload)
{
    return RequestLine(major, 1, payload);
}
}

class TestRequestLogEvents : public AuditTestCase
{
    Q_OBJECT

public:
    // The first test needs the session state untouched.
    TestRequestLogEvents()
        : AuditTestCase(std::nullopt)
    {
    }

private slots:
    void init()
    {
        AuditTestCase::init();
        // The session state cannot be emptied again once set, so the one
        // test that needs it untouched comes first and keeps it so.
        if (QLatin1String(QTest::currentTestFunction()) == QLatin1String("beforeTheServerIsKnown"))
            return;
        setServer({"127.0.0.1", ServerPort});
        MessageDispatcher::setSessionId(SessionId);
    }

    // No server name, port 0, no session: the line names neither server nor
    // session, and is written all the same.
    void beforeTheServerIsKnown()
    {
        QCOMPARE(MessageDispatcher::getServerName(), std::string());
        QCOMPARE(MessageDispatcher::getServerPort(), 0);
        SetAuditMask(LineBit(7));
        testsupport::AceLogCapture capture;
        const std::string line =
            Line(common::op::LogEventPrintDocument, Payload(common::op::LogEventPrintDocument, 42, "Plan", 1));
        QCOMPARE(KeysOf(line), QStringList({"cn1", "cn1Label", "cnt", "shost", "spid", "suser"}));
        QCOMPARE(capture.lines().size(), std::size_t(1));
    }

    // First in this process to build copy events: the third one counts 3.
    void theDocumentedCopyLine()
    {
        const std::string user = LiveUser();
        SetAuditMask(LineBit(7) | DetailsBit(7));
        const std::string payload = DocumentPayload(true, 42, true, "Plan", true, 120);
        CopyDocumentToClipboardLogEvent first(-12, 1, payload, nullptr);
        CopyDocumentToClipboardLogEvent second(-12, 1, payload, nullptr);
        CopyDocumentToClipboardLogEvent third(-12, 1, payload, nullptr);
        testsupport::AceLogCapture capture;
        const std::string line = third();

        const std::string expected = "CEF:0|Halvemoor|QuillaneClient|1.0.0|4|copy document to clipboard|7|"
                                     "cn1=42 cn1Label=documentId cnt=3 cs1=Plan cs1Label=documentName "
                                     "deviceDirection=1 dpt="
                                     + std::to_string(ServerPort)
                                     + " dst=127.0.0.1 externalId=" + std::to_string(SessionId)
                                     + " out=120 shost=" + QSysInfo::machineHostName().toStdString()
                                     + " spid=" + std::to_string(QCoreApplication::applicationPid()) + " suser=" + user;
        QCOMPARE(line, expected);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, expected);
        QCOMPARE(capture.lines().front().priority, LM_WARNING);
    }

    void events_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("classId");
        QTest::addColumn<int>("severity");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("direction");

        QTest::newRow("copy document") << -12 << 4 << 7 << "copy document to clipboard"
                                       << "out";
        QTest::newRow("copy message") << -13 << 5 << 7 << "copy message to clipboard"
                                      << "out";
        QTest::newRow("export document pdf") << -14 << 19 << 7 << "export document to pdf file"
                                             << "out";
        QTest::newRow("export document text") << -15 << 20 << 7 << "export document to text file"
                                              << "out";
        QTest::newRow("export message pdf") << -16 << 21 << 7 << "export message to pdf file"
                                            << "out";
        QTest::newRow("export message text") << -17 << 22 << 7 << "export message to text file"
                                             << "out";
        // The translation has no name for it, so the key shows.
        QTest::newRow("paste document") << -18 << 36 << 2 << "Name"
                                        << "in";
        QTest::newRow("paste message") << -19 << 37 << 2 << "paste message from clipboard"
                                       << "in";
        QTest::newRow("print document") << -20 << 38 << 7 << "print document"
                                        << "out";
        QTest::newRow("print message") << -21 << 39 << 7 << "print message"
                                       << "out";
    }

    void events()
    {
        QFETCH(int, major);
        QFETCH(int, classId);
        QFETCH(int, severity);
        QFETCH(QString, name);
        QFETCH(QString, direction);
        const bool message = IsMessageRequest(major);
        SetAuditMask(LineBit(severity) | DetailsBit(severity));
        testsupport::AceLogCapture capture;
        const std::string line = Line(major, Payload(major, 42, "Plan = A\\B", 120));

        QCOMPARE(HeaderOf(line), HeaderFields(classId, name, severity));
        const QMap<QString, QString> pairs = ExtensionOf(line);
        QCOMPARE(pairs.value("cn1Label"), message ? QStringLiteral("messageId") : QStringLiteral("documentId"));
        QCOMPARE(pairs.value("cn1"), QStringLiteral("42"));
        QCOMPARE(pairs.value("cs1Label"), message ? QStringLiteral("messageSubject") : QStringLiteral("documentName"));
        QCOMPARE(pairs.value("cs1"), QStringLiteral("Plan \\= A\\\\B"));
        QCOMPARE(pairs.value("deviceDirection"), direction == "out" ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(pairs.value(direction), QStringLiteral("120"));
        QVERIFY(!pairs.contains(direction == "out" ? "in" : "out"));
        QVERIFY(!pairs.contains("outcome"));
        QVERIFY(pairs.value("cnt").toUInt() >= 1);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().priority, LM_WARNING);
    }

    void withoutDetails_data() { events_data(); }

    void withoutDetails()
    {
        QFETCH(int, major);
        QFETCH(int, severity);
        SetAuditMask(LineBit(severity));
        const std::string line = Line(major, Payload(major, -7, "Plan", 120));
        QCOMPARE(KeysOf(line),
                 QStringList({"cn1", "cn1Label", "cnt", "dpt", "dst", "externalId", "shost", "spid", "suser"}));
        QCOMPARE(ExtensionOf(line).value("cn1"), QStringLiteral("-7"));
    }

    void notSelected_data() { events_data(); }

    // Another severity's bits select nothing, and a bad payload is not even
    // looked at (no warning).
    void notSelected()
    {
        QFETCH(int, major);
        QFETCH(int, severity);
        SetAuditMask(EveryLineWithDetails & ~LineBit(severity));
        testsupport::AceLogCapture capture;
        QCOMPARE(Line(major, std::string("\xFF\xFF", 2)), std::string());
        QVERIFY(capture.lines().empty());
    }

    void refused_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("warning");

        const QByteArray garbage("\xFF\xFF\xFF", 3);
        const auto document = [](bool withId, int id, bool withName) {
            return QByteArray::fromStdString(DocumentPayload(withId, id, withName, "Plan", true, 5));
        };
        const auto message = [](bool withId, int id, bool withSubject) {
            return QByteArray::fromStdString(MessagePayload(withId, id, withSubject, "Hello", true, 5));
        };
        QTest::newRow("copy, garbage") << -12 << garbage << "ParseFromString failed!";
        QTest::newRow("copy, zero bytes") << -12 << QByteArray() << "Bad document!";
        QTest::newRow("copy, no id") << -12 << document(false, 0, true) << "Bad document id!";
        QTest::newRow("copy, null id") << -12 << document(true, INT_MIN, true) << "Invalid document id!";
        QTest::newRow("copy message, zero bytes") << -13 << QByteArray() << "Bad message!";
        QTest::newRow("copy message, no id") << -13 << message(false, 0, true) << "Bad message id!";
        QTest::newRow("copy message, null id") << -13 << message(true, INT_MIN, false) << "Invalid message id!";
        QTest::newRow("export pdf, no name") << -14 << document(true, 42, false) << "Bad document name!";
        // The name is checked before the id's value.
        QTest::newRow("export text, no name, null id") << -15 << document(true, INT_MIN, false) << "Bad document name!";
        QTest::newRow("export message, no subject") << -16 << message(true, 42, false) << "Bad message subject!";
        QTest::newRow("paste, no name") << -18 << document(true, 42, false) << "Bad document name!";
        QTest::newRow("paste message, garbage") << -19 << garbage << "ParseFromString failed!";
        QTest::newRow("print, null id") << -20 << document(true, INT_MIN, true) << "Invalid document id!";
        QTest::newRow("print message, no subject") << -21 << message(true, 42, false) << "Bad message subject!";
    }

    void refused()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, payload);
        QFETCH(QString, warning);
        SetAuditMask(EveryLineWithDetails);
        testsupport::AceLogCapture capture;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QCOMPARE(Line(major, payload.toStdString()), std::string());
        QVERIFY(capture.lines().empty());
    }

    void accepted_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("direction");

        const auto document = [](int id, bool withName) {
            return QByteArray::fromStdString(DocumentPayload(true, id, withName, "", true, 9));
        };
        const auto message = [](int id, bool withSubject) {
            return QByteArray::fromStdString(MessagePayload(true, id, withSubject, "", true, 9));
        };
        QTest::newRow("copy, unset name") << -12 << document(42, false) << "out";
        QTest::newRow("copy message, unset subject") << -13 << message(42, false) << "out";
        QTest::newRow("export, empty name") << -14 << document(42, true) << "out";
        QTest::newRow("paste message, empty subject") << -19 << message(42, true) << "in";
        QTest::newRow("root id is an id") << -20 << document(INT_MIN + 1, true) << "out";
    }

    // A record without a usable name still gives its line, just without
    // cs1 and cs1Label.
    void accepted()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, payload);
        QFETCH(QString, direction);
        SetAuditMask(EveryLineWithDetails);
        const QMap<QString, QString> pairs = ExtensionOf(Line(major, payload.toStdString()));
        QVERIFY(pairs.contains("cn1"));
        QCOMPARE(pairs.value(direction), QStringLiteral("9"));
        QVERIFY(!pairs.contains("cs1"));
        QVERIFY(!pairs.contains("cs1Label"));
    }

    void anUnsetSizeReadsZero()
    {
        SetAuditMask(EveryLineWithDetails);
        QCOMPARE(ExtensionOf(Line(common::op::LogEventCopyDocumentToClipboard,
                                  DocumentPayload(true, 42, true, "Plan", false, 0)))
                     .value("out"),
                 QStringLiteral("0"));
        QCOMPARE(ExtensionOf(Line(common::op::LogEventPasteMessageFromClipboard,
                                  MessagePayload(true, 42, true, "Hi", false, 0)))
                     .value("in"),
                 QStringLiteral("0"));
    }

    void sessionId_data()
    {
        QTest::addColumn<int>("sessionId");
        QTest::addColumn<bool>("present");
        QTest::newRow("null session id") << INT_MIN << false;
        QTest::newRow("-1") << -1 << false;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("largest") << INT_MAX << true;
    }

    void sessionId()
    {
        QFETCH(int, sessionId);
        QFETCH(bool, present);
        MessageDispatcher::setSessionId(sessionId);
        SetAuditMask(LineBit(7));
        const QMap<QString, QString> pairs =
            ExtensionOf(Line(common::op::LogEventCopyDocumentToClipboard,
                             Payload(common::op::LogEventCopyDocumentToClipboard, 1, "Plan", 1)));
        QCOMPARE(pairs.contains("externalId"), present);
        if (present)
            QCOMPARE(pairs.value("externalId"), QString::number(sessionId));
    }

    void server_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("dpt");     // empty: absent
        QTest::addColumn<QStringList>("dst"); // empty: absent, else one of these

        QTest::newRow("IPv4") << "127.0.0.1" << 4433 << "4433" << QStringList{"127.0.0.1"};
        QTest::newRow("IPv6") << "::1" << 4434 << "4434" << QStringList{"::1"};
        QTest::newRow("a name") << "localhost" << 65535 << "65535" << QStringList{"127.0.0.1", "::1"};
        QTest::newRow("unknown name") << "no.such.host.invalid" << 4433 << "" << QStringList{};
    }

    // Whatever the resolver says, the event is built and gives its line.
    void server()
    {
        QFETCH(QString, name);
        QFETCH(int, port);
        QFETCH(QString, dpt);
        QFETCH(QStringList, dst);
        MessageDispatcher::setServerName(name.toStdString());
        MessageDispatcher::setServerPort(port);
        SetAuditMask(LineBit(7));
        const std::string line = Line(common::op::LogEventCopyDocumentToClipboard,
                                      Payload(common::op::LogEventCopyDocumentToClipboard, 1, "Plan", 1));
        QVERIFY(!line.empty());
        const QMap<QString, QString> pairs = ExtensionOf(line);
        QCOMPARE(pairs.value("dpt"), dpt);
        QCOMPARE(pairs.contains("dpt"), !dpt.isEmpty());
        QCOMPARE(pairs.contains("dst"), !dst.isEmpty());
        if (!dst.isEmpty())
            QVERIFY2(dst.contains(pairs.value("dst")), qPrintable(pairs.value("dst")));
    }

    // The counter counts actions, not lines: unaudited and unusable ones too.
    void theCounterKeepsRising()
    {
        SetAuditMask(LineBit(7));
        const unsigned int before =
            ExtensionOf(Line(common::op::LogEventExportDocumentToPdfFile,
                             Payload(common::op::LogEventExportDocumentToPdfFile, 1, "Plan", 1)))
                .value("cnt")
                .toUInt();
        QVERIFY(before >= 1);

        ClearUser();
        for (int i = 0; i < 9; ++i)
            QCOMPARE(Line(common::op::LogEventExportDocumentToPdfFile,
                          Payload(common::op::LogEventExportDocumentToPdfFile, 1, "Plan", 1)),
                     std::string());
        SetAuditMask(LineBit(7));
        QTest::ignoreMessage(QtWarningMsg, "Bad document!");
        QCOMPARE(Line(common::op::LogEventExportDocumentToPdfFile, std::string()), std::string());

        QCOMPARE(ExtensionOf(Line(common::op::LogEventExportDocumentToPdfFile,
                                  Payload(common::op::LogEventExportDocumentToPdfFile, 1, "Plan", 1)))
                     .value("cnt")
                     .toUInt(),
                 before + 11);
        // Each class counts for itself.
        const unsigned int text = ExtensionOf(Line(common::op::LogEventExportDocumentToTextFile,
                                                   Payload(common::op::LogEventExportDocumentToTextFile, 1, "Plan", 1)))
                                      .value("cnt")
                                      .toUInt();
        QCOMPARE(ExtensionOf(Line(common::op::LogEventExportDocumentToTextFile,
                                  Payload(common::op::LogEventExportDocumentToTextFile, 1, "Plan", 1)))
                     .value("cnt")
                     .toUInt(),
                 text + 1);
        QCOMPARE(ExtensionOf(Line(common::op::LogEventExportDocumentToPdfFile,
                                  Payload(common::op::LogEventExportDocumentToPdfFile, 1, "Plan", 1)))
                     .value("cnt")
                     .toUInt(),
                 before + 12);
    }
};

QTEST_GUILESS_MAIN(TestRequestLogEvents)
#include "tst_requestlogevents.moc"
