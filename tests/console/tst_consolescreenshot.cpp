#include "consoleview.h"
#include "consoletestsupport.h"
#include "dialoganswerer.h"
#include "logonfixture.h"
#include "testenvironment.h"

#include <QAction>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QToolBar>
#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
int DistinctColours(const QImage &image, const QRect &area)
{
    QSet<QRgb> colours;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

QRect AreaIn(const QWidget *window, const QWidget *child)
{
    return QRect(child->mapTo(window, QPoint(0, 0)), child->size());
}
}

// The console as a user sees it right after logging on, kept as a picture in
// the build tree. Under a real X server (Xvfb) the picture is taken from the
// screen; on the offscreen platform the window renders itself.
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
        console->receiveEvent(-32, 1, "CEF:0|Halvemoor|Quillane Client|1.0.0|3|Authenticate User|3|outcome=success");
        console->receiveEvent(-32, 1, "CEF:0|Halvemoor|Quillane Client|1.0.0|3|Authenticate User|7|outcome=failure");
        console->raise();
        console->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(console));
        // Paints and flushes the whole window now: the picture taken from the
        // screen then shows all of it.
        console->repaint();

        const bool onScreen = QGuiApplication::platformName() == QLatin1String("xcb");
        const QImage image = onScreen ? console->screen()->grabWindow(console->winId()).toImage()
                                      : console->grab().toImage();
        const QString path = QStringLiteral(QORV_SCREENSHOT_DIR "/console-after-logon-%1.png")
                                 .arg(QGuiApplication::platformName());
        QVERIFY2(image.save(path), qPrintable(path));
        qInfo("screenshot: %s", qPrintable(path));

        // A whole window, with something drawn in its menu bar and tool bar.
        QVERIFY(image.width() >= 800);
        QVERIFY(image.height() >= 600);
        const auto *toolBar = console->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar && toolBar->isVisible());
        const qreal ratio = image.devicePixelRatio();
        auto scaled = [ratio](const QRect &rect) {
            return QRect((rect.topLeft() * ratio), rect.size() * ratio);
        };
        QVERIFY(DistinctColours(image, scaled(AreaIn(console, console->menuBar()))) >= 8);
        QVERIFY(DistinctColours(image, scaled(AreaIn(console, toolBar))) >= 16);
        QVERIFY(DistinctColours(image, image.rect()) >= 32);
        m_fixture.stop();
    }
};

QTEST_MAIN(TestConsoleScreenshot)
#include "tst_consolescreenshot.moc"
