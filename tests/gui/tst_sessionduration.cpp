#include "scopedclock.h"
#include "sessionduration.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>

#include <chrono>
#include <memory>

// A window that may refuse to close, as an editor with unsaved changes does.
class RefusingWindow : public QMainWindow
{
public:
    int refusals = 0;
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        if (refusals > 0) {
            --refusals;
            event->ignore();
            return;
        }
        event->accept();
    }
};

class TestSessionDuration : public QObject
{
    Q_OBJECT

private:
    const Clock::TimePoint m_start = testsupport::UtcInstant(2026, 3, 1, 12, 0, 0);
    std::unique_ptr<testsupport::ScopedClock> m_clock;
    std::unique_ptr<RefusingWindow> m_window;
    std::unique_ptr<SessionDuration> m_countdown;

    QLabel *label() const { return m_window->statusBar()->findChild<QLabel *>(); }
    void advance(int seconds) { m_clock->set(m_start + std::chrono::seconds(seconds)); }
    void tick() { m_countdown->timeoutEventHandler(1, std::string()); }

private slots:
    void init()
    {
        m_clock = std::make_unique<testsupport::ScopedClock>(m_start);
        m_window = std::make_unique<RefusingWindow>();
        m_window->show();
        m_countdown = std::make_unique<SessionDuration>(m_window.get());
    }

    void cleanup()
    {
        m_countdown.reset();
        m_window.reset();
        m_clock.reset();
    }

    void labelSitsInTheStatusBar()
    {
        QVERIFY(label());
        QVERIFY(label()->text().isEmpty());
        QCOMPARE(label()->parentWidget(), m_window->statusBar());
    }

    void startShowsTheFullDuration_data()
    {
        QTest::addColumn<unsigned>("seconds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("style");
        QTest::newRow("one hour") << 3600u << "Session Duration [01:00]"
                                  << "QLabel { color : gray}";
        QTest::newRow("just under an hour") << 3599u << "Session Duration [00:59]"
                                            << "QLabel { color : red}";
        QTest::newRow("half a minute") << 30u << "Session Duration [00:00]"
                                       << "QLabel { color : red}";
        QTest::newRow("ninety seconds") << 90u << "Session Duration [00:01]"
                                        << "QLabel { color : red}";
        QTest::newRow("a hundred hours") << 360000u << "Session Duration [100:00]"
                                         << "QLabel { color : gray}";
        QTest::newRow("hours and minutes") << 9000u << "Session Duration [02:30]"
                                           << "QLabel { color : gray}";
    }

    void startShowsTheFullDuration()
    {
        QFETCH(unsigned, seconds);
        QFETCH(QString, text);
        QFETCH(QString, style);
        // A start inside a second still counts from the whole second.
        m_clock->set(m_start + std::chrono::milliseconds(700));
        m_countdown->initializeStatus(seconds);
        QCOMPARE(label()->text(), text);
        QCOMPARE(label()->styleSheet(), style);
    }

    void zeroShowsNothingAndNeverCloses()
    {
        m_countdown->initializeStatus(0);
        QVERIFY(label()->text().isEmpty());
        advance(100000);
        tick();
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->closeRequests, 0);
    }

    void ticksRefreshFromTheClock()
    {
        m_countdown->initializeStatus(2 * 3600 + 60);
        advance(60);
        tick();
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [02:00]"));
        QCOMPARE(label()->styleSheet(), QStringLiteral("QLabel { color : gray}"));
        advance(3700); // missed ticks do not stretch the session
        tick();
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [00:59]"));
        QCOMPARE(label()->styleSheet(), QStringLiteral("QLabel { color : red}"));
        advance(3760);
        m_countdown->updateStatus();
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [00:58]"));
        QVERIFY(m_window->isVisible());
    }

    void closesWhenLessThanAMinuteIsLeft()
    {
        m_countdown->initializeStatus(90);
        advance(30); // 60 seconds left
        tick();
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [00:01]"));
        QVERIFY(m_window->isVisible());
        advance(31); // 59 seconds left
        tick();
        QCOMPARE(m_window->closeRequests, 1);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [00:01]")); // not refreshed on close
    }

    void shortSessionClosesAtTheNextTick()
    {
        m_countdown->initializeStatus(30);
        tick();
        QCOMPARE(m_window->closeRequests, 1);
        QVERIFY(!m_window->isVisible());
    }

    void refusedCloseIsAskedAgain()
    {
        m_window->refusals = 1;
        m_countdown->initializeStatus(60);
        advance(2);
        tick();
        QCOMPARE(m_window->closeRequests, 1);
        QVERIFY(m_window->isVisible());
        advance(3600); // long past the end
        tick();
        QCOMPARE(m_window->closeRequests, 2);
        QVERIFY(!m_window->isVisible());
    }

    void passedEndShowsNoNegativeTime()
    {
        m_countdown->initializeStatus(120);
        advance(200);
        m_countdown->updateStatus();
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [00:00]"));
    }

    void idleTicksChangeNothing()
    {
        tick();
        m_countdown->updateStatus();
        QVERIFY(label()->text().isEmpty());
        m_countdown->initializeStatus(3600);
        m_countdown->reset();
        QVERIFY(label()->text().isEmpty());
        QCOMPARE(label()->styleSheet(), QStringLiteral("QLabel { color : gray}")); // kept by reset
        advance(3600 * 2);
        tick();
        QVERIFY(m_window->isVisible());
    }

    void secondStartRestarts()
    {
        m_countdown->initializeStatus(120);
        advance(100);
        m_countdown->initializeStatus(7200);
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [02:00]"));
        advance(160);
        tick();
        QCOMPARE(label()->text(), QStringLiteral("Session Duration [01:59]"));
        QVERIFY(m_window->isVisible());
    }
};

QTEST_MAIN(TestSessionDuration)
#include "tst_sessionduration.moc"
