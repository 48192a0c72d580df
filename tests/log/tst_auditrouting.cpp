#include "acelogcapture.h"
#include "auditline.h"
#include "auditmask.h"
#include "audittestcase.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "recordingcomponent.h"
#include "servercomponent.h"
#include "servicerouter.h"
#include "testserver.h"

#include "deletedocumentrequest3.pb.h"
#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "logeventprintmessagerequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QtTest>

#include <memory>

using namespace testsupport;

namespace
{
constexpr int ReplySessionId = 5150;

std::string SelectDocumentsReply(std::initializer_list<int> ids)
{
    qorv::data::SelectDocumentReply reply;
    for (const int id : ids)
        reply.add_document()->set_document_id(id);
    return reply.SerializeAsString();
}

std::string DeleteDocumentRequest(int id, const std::string &name)
{
    qorv::data::DeleteDocumentRequest request;
    request.set_document_id(id);
    request.set_document_name(name);
    return request.SerializeAsString();
}

std::string CopyRequest(int id, const std::string &name, int size)
{
    qorv::data::LogEventCopyDocumentToClipboardRequest request;
    request.mutable_document()->set_document_id(id);
    request.mutable_document()->set_document_name(name);
    request.set_size(size);
    return request.SerializeAsString();
}

// Every message request shares this layout: the record at 1000, the size at
// 1010.
std::string MessageRequest(int id, const std::string &subject, int size)
{
    qorv::data::LogEventPrintMessageRequest request;
    request.mutable_message()->set_message_id(id);
    request.mutable_message()->set_message_subject(subject);
    request.set_size(size);
    return request.SerializeAsString();
}

// The recorder writes "name: event -32 -37 <line>"; this is the line.
std::string LineOf(const QString &entry)
{
    const QString prefix = QStringLiteral("windows: event -32 ");
    const int start = entry.indexOf(QLatin1Char(' '), prefix.size());
    return start < 0 ? std::string() : entry.mid(start + 1).toStdString();
}
}

// The router between the windows and the server component, against the test
// server: every audited reply is announced by exactly one audit event before
// the reply itself, and an audited local action becomes its audit event and
// goes no further.
class TestAuditRouting : public AuditTestCase
{
    Q_OBJECT

private:
    TestServer m_server;
    QStringList m_log;
    std::unique_ptr<ServiceRouter> m_router;
    std::unique_ptr<ServerComponent> m_serverComponent;
    std::unique_ptr<RecordingComponent> m_windows;
    std::unique_ptr<RecordingComponent> m_managers;

private slots:
    void initTestCase()
    {
        AuditTestCase::initTestCase();
        QVERIFY(m_server.start());
        m_server.setReplySessionId(ReplySessionId);
        setServer({"127.0.0.1", m_server.port()});
    }

    void init()
    {
        AuditTestCase::init();
        m_log.clear();
        m_server.clearRequests();
        m_router = std::make_unique<ServiceRouter>();
        m_serverComponent = std::make_unique<ServerComponent>();
        m_windows = std::make_unique<RecordingComponent>(QStringLiteral("windows"), &m_log);
        m_managers = std::make_unique<RecordingComponent>(QStringLiteral("managers"), &m_log);

        // As the application component links them: requests go down through
        // the router to the server component (and on to the view managers,
        // which see them afterwards); replies and events come up through it
        // to the windows.
        QObject::connect(m_router.get(), &Connector::deliverRequest, m_serverComponent.get(),
                         &ServerComponent::receiveRequest);
        QObject::connect(m_router.get(), &Connector::deliverRequest, m_managers.get(),
                         &RecordingComponent::receiveRequest);
        QObject::connect(m_serverComponent.get(), &Component::deliverReply, m_router.get(),
                         &ServiceRouter::receiveReply);
        QObject::connect(m_router.get(), &Connector::deliverEvent, m_windows.get(), &RecordingComponent::receiveEvent);
        QObject::connect(m_router.get(), &Connector::deliverReply, m_windows.get(), &RecordingComponent::receiveReply);
    }

    void cleanup()
    {
        m_router.reset();
        m_serverComponent.reset();
        m_windows.reset();
        m_managers.reset();
        ClearUser();
    }

    void anAuditedReplyIsAnnouncedOnce()
    {
        SetAuditMask(LineBit(1));
        m_server.reply(common::op::SelectDocument, common::tag::OpenFolder, SelectDocumentsReply({5, 12, 12, 7}));
        testsupport::AceLogCapture capture;

        m_router->receiveRequest(common::op::SelectDocument, common::tag::OpenFolder,
                                 qorv::data::SelectDocumentRequest().SerializeAsString());

        QCOMPARE(m_server.requests().size(), std::size_t(1));
        QCOMPARE(m_log.size(), 3);
        QVERIFY(
            m_log[0].startsWith("windows: event -32 -37 CEF:0|Halvemoor|QuillaneClient|1.0.0|41|select document|1|"));
        QCOMPARE(m_log[1], QStringLiteral("windows: reply 41 -38 0 0"));
        QCOMPARE(m_log[2], QStringLiteral("managers: request 41 -38"));

        const std::string line = LineOf(m_log[0]);
        const QMap<QString, QString> pairs = ExtensionOf(line);
        QCOMPARE(pairs.value("cs1"), QStringLiteral("5, 12, 12, 7"));
        QCOMPARE(pairs.value("outcome"), QStringLiteral("success"));
        QCOMPARE(pairs.value("dst"), QStringLiteral("127.0.0.1"));
        QCOMPARE(pairs.value("dpt"), QString::number(m_server.port()));
        // The session id of the reply that is being audited.
        QCOMPARE(pairs.value("externalId"), QString::number(ReplySessionId));
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, line);
    }

    // No valid reply came: the event still precedes the (-1, 1) reply and
    // reports the failure from the request that was sent.
    void aFailedExchangeIsAuditedToo()
    {
        SetAuditMask(LineBit(5) | DetailsBit(5));
        m_server.injectFault(TestFault::noAnswer());
        testsupport::AceLogCapture capture;

        m_router->receiveRequest(common::op::DeleteDocument, common::tag::Plain, DeleteDocumentRequest(42, "Plan"));

        QCOMPARE(m_log.size(), 3);
        QVERIFY(m_log[0].startsWith("windows: event -32 -8 CEF:0|"));
        QCOMPARE(m_log[1], QStringLiteral("windows: reply 7 1 -1 1"));
        QCOMPARE(m_log[2], QStringLiteral("managers: request 7 1"));
        QCOMPARE(EventPairs(LineOf(m_log[0])),
                 QStringLiteral("cn1=42 cn1Label=documentId cs1=Plan cs1Label=documentName msg=unknown error "
                                "outcome=failure reason=-1"));
    }

    // A name may hold a NUL byte; the system log takes the line as a C string,
    // so the byte must not reach it, or the outcome, the reason and the user
    // would be cut off.
    void aNulInANameKeepsTheLineWhole()
    {
        const std::string user = LiveUser();
        SetAuditMask(LineBit(5) | DetailsBit(5));
        m_server.reply(common::op::DeleteDocument, common::tag::Plain, std::string(), 90, 0);
        testsupport::AceLogCapture capture;

        m_router->receiveRequest(common::op::DeleteDocument, common::tag::Plain,
                                 DeleteDocumentRequest(42, std::string("Pl\0an", 5)));

        QCOMPARE(m_log.size(), 3);
        const std::string line = LineOf(m_log[0]);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().text, line);
        const std::string userPart = " suser=" + user;
        QVERIFY(line.size() > userPart.size());
        QCOMPARE(line.substr(line.size() - userPart.size()), userPart);
        QCOMPARE(EventPairs(line), QStringLiteral("cn1=42 cn1Label=documentId cs1=Pl\\0an cs1Label=documentName "
                                                  "msg=service no data found error outcome=failure reason=90"));
    }

    // An unselected event is still emitted, with an empty line, and nothing
    // reaches the system log.
    void anUnselectedReplyGivesAnEmptyEvent()
    {
        SetAuditMask(EveryLineWithDetails & ~LineBit(1));
        m_server.reply(common::op::SelectDocument, common::tag::OpenFolder, SelectDocumentsReply({5}));
        testsupport::AceLogCapture capture;

        m_router->receiveRequest(common::op::SelectDocument, common::tag::OpenFolder, std::string());

        QCOMPARE(m_log,
                 QStringList({"windows: event -32 -37", "windows: reply 41 -38 0 0", "managers: request 41 -38"}));
        QVERIFY(capture.lines().empty());
    }

    void anUnauditedReplyPassesAlone()
    {
        SetAuditMask(EveryLineWithDetails);
        m_server.reply(common::op::SelectFolderKey, common::tag::ListFolderKeys, std::string("keys"));
        testsupport::AceLogCapture capture;

        m_router->receiveRequest(common::op::SelectFolderKey, common::tag::ListFolderKeys, std::string());

        QCOMPARE(m_log, QStringList({"windows: reply 43 -6 0 0", "managers: request 43 -6"}));
        QVERIFY(capture.lines().empty());
    }

    void aLocalActionBecomesItsEventOnly_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("kind");
        QTest::addColumn<uint>("mask");
        QTest::addColumn<bool>("written");

        const QByteArray document = QByteArray::fromStdString(CopyRequest(42, "Plan", 120));
        const QByteArray message = QByteArray::fromStdString(MessageRequest(43, "Hi", 7));
        QTest::newRow("copy, audited") << -12 << document << -6 << (LineBit(7) | DetailsBit(7)) << true;
        QTest::newRow("copy, not audited") << -12 << document << -6 << 0u << false;
        QTest::newRow("copy message, audited") << -13 << message << -7 << LineBit(7) << true;
        QTest::newRow("export pdf, audited") << -14 << document << -18 << LineBit(7) << true;
        QTest::newRow("export to text, not audited") << -15 << document << -19 << LineBit(2) << false;
        QTest::newRow("export message pdf, audited") << -16 << message << -20 << LineBit(7) << true;
        QTest::newRow("export message text, audited") << -17 << message << -21 << LineBit(7) << true;
        QTest::newRow("paste, audited") << -18 << document << -33 << LineBit(2) << true;
        QTest::newRow("paste message, audited") << -19 << message << -34 << LineBit(2) << true;
        QTest::newRow("print, audited") << -20 << document << -35 << LineBit(7) << true;
        QTest::newRow("print message, unusable payload") << -21 << QByteArray() << -36 << LineBit(7) << false;
    }

    void aLocalActionBecomesItsEventOnly()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, payload);
        QFETCH(int, kind);
        QFETCH(uint, mask);
        QFETCH(bool, written);
        SetAuditMask(mask);
        if (payload.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "Bad message!");
        testsupport::AceLogCapture capture;

        m_router->receiveRequest(major, common::tag::Plain, payload.toStdString());

        QCOMPARE(m_log.size(), 1);
        QVERIFY(m_log[0].startsWith(QStringLiteral("windows: event -32 %1").arg(kind)));
        QCOMPARE(!LineOf(m_log[0]).empty(), written);
        QCOMPARE(capture.lines().size(), std::size_t(written ? 1 : 0));
        QVERIFY(m_server.requests().empty());
    }

    void theDocumentedCopyReachesNoOne()
    {
        SetAuditMask(LineBit(7) | DetailsBit(7));
        testsupport::AceLogCapture capture;
        m_router->receiveRequest(common::op::LogEventCopyDocumentToClipboard, common::tag::Plain,
                                 CopyRequest(42, "Plan", 120));
        const std::string line = LineOf(m_log.value(0));
        QCOMPARE(m_log.size(), 1);
        QVERIFY(line.rfind("CEF:0|Halvemoor|QuillaneClient|1.0.0|4|copy document to clipboard|7|", 0) == 0);
        QCOMPARE(EventPairs(line), QStringLiteral("cn1=42 cn1Label=documentId cs1=Plan cs1Label=documentName "
                                                  "deviceDirection=1 out=120"));
        QVERIFY(m_server.requests().empty());
    }

    void neighboursOfTheLocalRangePass_data()
    {
        QTest::addColumn<int>("major");
        QTest::newRow("-22") << -22;
        QTest::newRow("-11") << -11;
    }

    void neighboursOfTheLocalRangePass()
    {
        QFETCH(int, major);
        SetAuditMask(EveryLineWithDetails);
        m_router->receiveRequest(major, common::tag::Plain, std::string("payload"));
        QCOMPARE(m_log, QStringList({QStringLiteral("managers: request %1 1").arg(major)}));
    }
};

QTEST_MAIN(TestAuditRouting)
#include "tst_auditrouting.moc"
