#include "abstractapplicationcomponent.h"
#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "executiveconnector.h"
#include "recordingcomponent.h"
#include "serviceconnector.h"
#include "servicerouter.h"
#include "systemconnector.h"
#include "systemrouter.h"

#include <QtTest>

#include <memory>

using testsupport::RecordingComponent;

namespace
{
// Stands where the server component sits: records every request and answers
// each positive one at once with the error codes it is given.
class AnsweringServer : public RecordingComponent
{
    Q_OBJECT

public:
    explicit AnsweringServer(QObject *parent)
        : RecordingComponent(QStringLiteral("server"), log(), parent)
    {
    }

    static QStringList *log()
    {
        static QStringList shared;
        return &shared;
    }
    static common::Ercode &majorErcode()
    {
        static common::Ercode code = 0;
        return code;
    }

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override
    {
        RecordingComponent::receiveRequest(majorOpcode, minorOpcode, request);
        if (majorOpcode > 0)
            emit deliverReply(majorOpcode, minorOpcode, request, majorErcode(), majorErcode() ? 1 : 0, "answer");
    }
};

using Bus = AbstractApplicationComponent<SystemConnector, SystemRouter, AnsweringServer, ServiceConnector,
                                         ServiceRouter, ExecutiveConnector>;

class TestBus : public Bus
{
public:
    SystemConnector *systemConnector() const { return m_systemConnector; }
};
}

// The order in which the members of the bus see a tuple, with the real routers
// and a server that answers at once. Two windows and two managers are linked,
// each pair in a known order.
class TestBusDelivery : public QObject
{
    Q_OBJECT

private:
    QStringList *m_log = AnsweringServer::log();
    std::unique_ptr<TestBus> m_bus;
    RecordingComponent *m_window1 = nullptr;
    RecordingComponent *m_window2 = nullptr;
    RecordingComponent *m_manager1 = nullptr;
    RecordingComponent *m_manager2 = nullptr;

private slots:
    void init()
    {
        m_log->clear();
        AnsweringServer::majorErcode() = 0;
        m_bus = std::make_unique<TestBus>();
        m_manager1 = new RecordingComponent(QStringLiteral("m1"), m_log, m_bus.get());
        m_manager2 = new RecordingComponent(QStringLiteral("m2"), m_log, m_bus.get());
        m_window1 = new RecordingComponent(QStringLiteral("w1"), m_log, m_bus.get());
        m_window2 = new RecordingComponent(QStringLiteral("w2"), m_log, m_bus.get());
        QVERIFY(m_bus->connectAbstractViewManager(m_manager1));
        QVERIFY(m_bus->connectAbstractViewManager(m_manager2));
        QVERIFY(m_bus->connectAbstractViewWindow(m_window1));
        QVERIFY(m_bus->connectAbstractViewWindow(m_window2));
    }

    void cleanup() { m_bus.reset(); }

    void windowRequest_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QStringList>("expected");

        // Audit event first, windows before managers, managers see the reply
        // before the request that caused it.
        QTest::newRow("audited server request")
            << common::op::SelectDocument << common::tag::OpenFolder
            << QStringList({"server: request 41 -38", "w1: event -32 -37", "w2: event -32 -37", "w1: reply 41 -38 0 0",
                            "w2: reply 41 -38 0 0", "m1: reply 41 -38 0 0", "m2: reply 41 -38 0 0",
                            "m1: request 41 -38", "m2: request 41 -38"});
        QTest::newRow("unaudited server request")
            << common::op::SelectDocumentWebpage << common::tag::Plain
            << QStringList({"server: request 42 1", "w1: reply 42 1 0 0", "w2: reply 42 1 0 0", "m1: reply 42 1 0 0",
                            "m2: reply 42 1 0 0", "m1: request 42 1", "m2: request 42 1"});
        // Reported and stopped at the router: the server never sees it. The
        // managers hang on the executive connector beside the router, so they
        // are handed the request itself, but no audit event.
        QTest::newRow("audited local request")
            << common::op::LogEventCopyDocumentToClipboard << common::tag::Plain
            << QStringList({"w1: event -32 -6", "w2: event -32 -6", "m1: request -12 1", "m2: request -12 1"});
        QTest::newRow("last audited local request")
            << common::op::LogEventPrintMessage << common::tag::Plain
            << QStringList({"w1: event -32 -36", "w2: event -32 -36", "m1: request -21 1", "m2: request -21 1"});
        QTest::newRow("local request") << common::op::OpenDocumentBrowser << common::tag::OpenFolderKey
                                       << QStringList({"server: request -26 -36", "m1: request -26 -36",
                                                       "m2: request -26 -36"});
        QTest::newRow("clock start") << common::op::StartClock << common::tag::Plain
                                     << QStringList(
                                            {"server: request -53 1", "m1: request -53 1", "m2: request -53 1"});
    }

    void windowRequest()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QStringList, expected);

        // Everything has happened by the time the emit returns.
        emit m_window1->deliverRequest(major, minor, "payload");

        QCOMPARE(*m_log, expected);
    }

    void failedReplyIsStillAuditedFirst()
    {
        AnsweringServer::majorErcode() = -1;
        emit m_window2->deliverRequest(common::op::SelectDocument, common::tag::OpenFolder, "payload");
        QCOMPARE(*m_log, QStringList({"server: request 41 -38", "w1: event -32 -37", "w2: event -32 -37",
                                      "w1: reply 41 -38 -1 1", "w2: reply 41 -38 -1 1", "m1: reply 41 -38 -1 1",
                                      "m2: reply 41 -38 -1 1", "m1: request 41 -38", "m2: request 41 -38"}));
    }

    void replyCarriesTheRequestAsSent()
    {
        emit m_window1->deliverRequest(common::op::SelectFolder, common::tag::OpenFolder, "folder");
        QCOMPARE(m_window2->lastRequest(), std::string("folder"));
        QCOMPARE(m_window2->lastReply(), std::string("answer"));
        QCOMPARE(m_manager1->lastRequest(), std::string("folder"));
    }

    void managerRequestBypassesTheRouter()
    {
        // Down the service connector directly: other managers never see the
        // request itself, only the reply.
        emit m_manager2->deliverRequest(common::op::DeleteDocument, common::tag::Plain, "payload");
        QCOMPARE(*m_log,
                 QStringList({"server: request 7 1", "w1: event -32 -8", "w2: event -32 -8", "w1: reply 7 1 0 0",
                              "w2: reply 7 1 0 0", "m1: reply 7 1 0 0", "m2: reply 7 1 0 0"}));
    }

    void managerEventsAndRepliesReachWindowsOnly()
    {
        emit m_manager1->deliverEvent(-5, 2, "text");
        emit m_manager1->deliverReply(common::op::SelectDocumentKey, common::tag::OpenDocumentEditor, "a", 0, 0, "b");
        QCOMPARE(*m_log, QStringList({"w1: event -5 2 text", "w2: event -5 2 text", "w1: reply 40 -35 0 0",
                                      "w2: reply 40 -35 0 0"}));
    }

    void systemEventReachesWindowsThenManagers()
    {
        // Up through the system router first; the server component, linked
        // to the system connector after it, gets the event last.
        m_bus->systemConnector()->receiveEvent(common::ev::ClockTick, 1, "");
        QCOMPARE(*m_log, QStringList({"w1: event -3 1", "w2: event -3 1", "m1: event -3 1", "m2: event -3 1",
                                      "server: event -3 1"}));
    }

    void applicationComponentEventReachesEveryone()
    {
        // The application component's own event, as at the end of its
        // construction: it rises from between the system and service layers.
        emit m_bus->deliverEvent(common::ev::Started, 1, "");
        QCOMPARE(*m_log, QStringList({"w1: event -1 1", "w2: event -1 1", "m1: event -1 1", "m2: event -1 1"}));
    }

    void destroyedWindowLeavesTheBus()
    {
        delete m_window1;
        m_window1 = nullptr;
        emit m_window2->deliverRequest(common::op::SelectDocumentWebpage, common::tag::Plain, "payload");
        QCOMPARE(*m_log, QStringList({"server: request 42 1", "w2: reply 42 1 0 0", "m1: reply 42 1 0 0",
                                      "m2: reply 42 1 0 0", "m1: request 42 1", "m2: request 42 1"}));
    }
};

QTEST_GUILESS_MAIN(TestBusDelivery)
#include "tst_busdelivery.moc"
