#include "clockcomponent.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "recordingcomponent.h"
#include "systemconnector.h"

#include <QtTest>

using testsupport::RecordingComponent;

class TestClockComponent : public QObject
{
    Q_OBJECT

private:
    QTimer *timerOf(ClockComponent &clock) { return clock.findChild<QTimer *>(); }

    static void send(ClockComponent &clock, common::Opcode major)
    {
        static_cast<IComponent &>(clock).receiveRequest(major, common::tag::Plain, std::string());
    }

private slots:
    void stoppedUntilStarted()
    {
        ClockComponent clock;
        QVERIFY(timerOf(clock));
        QVERIFY(!timerOf(clock)->isActive());
    }

    void startRequestStartsARepeatingMinute()
    {
        ClockComponent clock;
        send(clock, -53);
        QVERIFY(timerOf(clock)->isActive());
        QCOMPARE(timerOf(clock)->interval(), 60000);
        QVERIFY(!timerOf(clock)->isSingleShot());
    }

    void tickDeliversTheMinuteEvent()
    {
        QStringList log;
        ClockComponent clock;
        RecordingComponent recorder(QStringLiteral("r"), &log);
        QObject::connect(&clock, &Component::deliverEvent, &recorder, &RecordingComponent::receiveEvent);
        send(clock, -53);

        QVERIFY(QMetaObject::invokeMethod(timerOf(clock), "timeout"));
        QVERIFY(QMetaObject::invokeMethod(timerOf(clock), "timeout"));

        QCOMPARE(log, QStringList({"r: event -3 1", "r: event -3 1"}));
    }

    void aStartedClockTicksByItself()
    {
        QStringList log;
        ClockComponent clock(std::chrono::milliseconds(5), nullptr);
        RecordingComponent recorder(QStringLiteral("r"), &log);
        QObject::connect(&clock, &Component::deliverEvent, &recorder, &RecordingComponent::receiveEvent);
        send(clock, -53);
        QTRY_VERIFY(log.size() >= 2);
        QCOMPARE(log.at(0), QStringLiteral("r: event -3 1"));
        QCOMPARE(log.at(1), QStringLiteral("r: event -3 1"));
    }

    void secondStartRestartsTheTick()
    {
        constexpr int TickMs = 400;
        ClockComponent clock(std::chrono::milliseconds(TickMs), nullptr);
        send(clock, -53);
        QTimer *timer = timerOf(clock);
        // Waits on the countdown itself until half of the tick has run.
        QTRY_VERIFY(timer->remainingTime() <= TickMs / 2);
        const int beforeRestart = timer->remainingTime();
        send(clock, -53);
        QVERIFY(timer->isActive());
        QVERIFY2(timer->remainingTime() > beforeRestart + TickMs / 4,
                 qPrintable(QStringLiteral("%1 then %2").arg(beforeRestart).arg(timer->remainingTime())));
    }

    void stopRequestStops()
    {
        ClockComponent clock;
        send(clock, -53);
        send(clock, -54);
        QVERIFY(!timerOf(clock)->isActive());
    }

    void otherRequestsAreIgnored_data()
    {
        QTest::addColumn<int>("major");
        QTest::newRow("-52") << -52;
        QTest::newRow("-55") << -55;
        QTest::newRow("53") << 53;
        QTest::newRow("54") << 54;
        QTest::newRow("1") << 1;
    }

    void otherRequestsAreIgnored()
    {
        QFETCH(int, major);
        ClockComponent clock;
        send(clock, major);
        QVERIFY(!timerOf(clock)->isActive());
        send(clock, -53);
        send(clock, major);
        QVERIFY(timerOf(clock)->isActive());
    }

    void requestsArriveThroughTheSystemConnector()
    {
        // The way the application component links it: through the public
        // receive slot of its base, since the clock's own is not public.
        ClockComponent clock;
        SystemConnector connector;
        QVERIFY(QObject::connect(&connector, &Connector::deliverRequest, &clock, &Component::receiveRequest));
        connector.receiveRequest(common::op::StartClock);
        QVERIFY(timerOf(clock)->isActive());
        connector.receiveRequest(common::op::StopClock);
        QVERIFY(!timerOf(clock)->isActive());
    }
};

QTEST_GUILESS_MAIN(TestClockComponent)
#include "tst_clockcomponent.moc"
