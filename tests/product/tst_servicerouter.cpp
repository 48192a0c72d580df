#include "common/eventcode.h"
#include "common/minortag.h"
#include "recordingcomponent.h"
#include "servicerouter.h"

#include <QtTest>

using testsupport::RecordingComponent;

namespace
{
void LinkAll(const ServiceRouter *router, const RecordingComponent *recorder)
{
    QObject::connect(router, &Connector::deliverEvent, recorder, &RecordingComponent::receiveEvent);
    QObject::connect(router, &Connector::deliverReply, recorder, &RecordingComponent::receiveReply);
    QObject::connect(router, &Connector::deliverRequest, recorder, &RecordingComponent::receiveRequest);
}
}

class TestServiceRouter : public QObject
{
    Q_OBJECT

private slots:
    void reply_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("auditKind"); // 0: not audited
        const QList<QPair<int, int>> audited = {
            {3, -2},   {4, -45},  {7, -8},   {10, -11}, {13, -14}, {15, -15}, {16, -16},
            {21, -23}, {22, -22}, {24, -25}, {25, -24}, {28, -28}, {30, -29}, {31, -30},
            {41, -37}, {44, -39}, {50, -43}, {54, -44}, {57, -48}, {60, -52}, {65, -60},
        };
        for (const auto &[major, kind] : audited)
            QTest::addRow("reply %d", major) << major << 0 << kind;
        QTest::newRow("failed select") << 41 << -1 << -37;
        QTest::newRow("server error, audited") << 57 << 4 << -48;
        QTest::newRow("unaudited 42") << 42 << 0 << 0;
        QTest::newRow("unaudited 40") << 40 << 0 << 0;
        QTest::newRow("server error, unaudited") << 56 << 4 << 0;
        QTest::newRow("local major") << -12 << 0 << 0;
    }

    void reply()
    {
        QFETCH(int, major);
        QFETCH(int, majorErcode);
        QFETCH(int, auditKind);
        QStringList log;
        ServiceRouter router;
        RecordingComponent recorder(QStringLiteral("r"), &log);
        LinkAll(&router, &recorder);

        router.receiveReply(major, common::tag::OpenFolder, "request", majorErcode, majorErcode ? 1 : 0, "reply");

        QStringList expected;
        // Emitted with the line the event gives, empty while no audit mask
        // selects anything.
        if (auditKind != 0)
            expected << QStringLiteral("r: event -32 %1").arg(auditKind);
        expected << QStringLiteral("r: reply %1 -38 %2 %3").arg(major).arg(majorErcode).arg(majorErcode ? 1 : 0);
        QCOMPARE(log, expected);
        QCOMPARE(recorder.lastRequest(), std::string("request"));
        QCOMPARE(recorder.lastReply(), std::string("reply"));
    }

    void request_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("auditKind"); // 0: passed on
        const QList<QPair<int, int>> audited = {
            {-12, -6},  {-13, -7},  {-14, -18}, {-15, -19}, {-16, -20},
            {-17, -21}, {-18, -33}, {-19, -34}, {-20, -35}, {-21, -36},
        };
        for (const auto &[major, kind] : audited)
            QTest::addRow("local %d", major) << major << kind;
        QTest::newRow("-22 passes") << -22 << 0;
        QTest::newRow("-11 passes") << -11 << 0;
        QTest::newRow("-53 passes") << -53 << 0;
        QTest::newRow("server request passes") << 41 << 0;
    }

    void request()
    {
        QFETCH(int, major);
        QFETCH(int, auditKind);
        QStringList log;
        ServiceRouter router;
        RecordingComponent recorder(QStringLiteral("r"), &log);
        LinkAll(&router, &recorder);

        router.receiveRequest(major, common::tag::Plain, "payload");

        const QString expected =
            auditKind ? QStringLiteral("r: event -32 %1").arg(auditKind) : QStringLiteral("r: request %1 1").arg(major);
        QCOMPARE(log, QStringList({expected}));
    }

    void eventsPassUnchanged()
    {
        QStringList log;
        ServiceRouter router;
        RecordingComponent recorder(QStringLiteral("r"), &log);
        LinkAll(&router, &recorder);
        router.receiveEvent(common::ev::ClockTick, 1, "");
        router.receiveEvent(common::ev::Audit, -37, "line");
        QCOMPARE(log, QStringList({"r: event -3 1", "r: event -32 -37 line"}));
    }
};

QTEST_GUILESS_MAIN(TestServiceRouter)
#include "tst_servicerouter.moc"
