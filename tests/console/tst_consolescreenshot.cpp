#include "common/eventcode.h"
#include "consoletestsupport.h"
#include "consoleview.h"
#include "dialoganswerer.h"
#include "logonfixture.h"
#include "screenshot.h"
#include "testenvironment.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

// The console as a user sees it right after logging on, kept as a picture in
// the build tree.
class TestConsoleScreenshot : public QObject
{
    Q_OBJECT

private:
    consoletest::LogOnFixture m_fixture;

private slots:
    void initTestCase() { QVERIFY(m_fixture.setUp()); }

    void consoleAfterLogOn()
    {
        QVERIFY2(m_fixture.start(), "the console manager did not open a ConsoleView");
        ConsoleView *console = m_fixture.console();
        QVERIFY(QTest::qWaitForWindowExposed(console));

        testsupport::DialogAnswerer answerer;
        consoletest::LogOnFixture::answerLogOn(answerer, QString::fromLatin1(consoletest::LogOnFixture::UserName),
                                               QString::fromLatin1(consoletest::LogOnFixture::Password));
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(console->windowTitle(), QStringLiteral("Console [Ann B Lee @ 127.0.0.1]"));
        consoletest::FindAction(console, QStringLiteral("View Log"))->setChecked(true);
        console->receiveEvent(common::ev::Audit, 1,
                              "CEF:0|Halvemoor|Quillane Client|1.0.0|3|Authenticate User|3|outcome=success");
        console->receiveEvent(common::ev::Audit, 1,
                              "CEF:0|Halvemoor|Quillane Client|1.0.0|3|Authenticate User|7|outcome=failure");

        const testsupport::Screenshot shot(console, QStringLiteral("console-after-logon"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));

        // A whole window, with something drawn in its menu bar and tool bar.
        QVERIFY(shot.image().width() >= 800);
        QVERIFY(shot.image().height() >= 600);
        const auto *toolBar = console->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar && toolBar->isVisible());
        QVERIFY(shot.colours(console->menuBar()) >= 8);
        QVERIFY(shot.colours(toolBar) >= 16);
        QVERIFY(shot.colours() >= 32);
        m_fixture.stop();
    }
};

QTEST_MAIN(TestConsoleScreenshot)
#include "tst_consolescreenshot.moc"
