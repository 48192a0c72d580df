#include "browserbus.h"
#include "documentbrowserview.h"
#include "keyrules.h"
#include "mainpanelistwidget.h"
#include "sidepanelistwidget.h"
#include "testenvironment.h"

#include "folderkey3.pb.h"

#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QToolBar>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;

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
    const qreal ratio = window->devicePixelRatioF();
    return QRect(child->mapTo(window, QPoint(0, 0)) * ratio, child->size() * ratio);
}

// The window as the user sees it: from the screen under a real X server, else
// rendered by the window itself. Saved in the build tree; the path is logged.
QImage Capture(QWidget *window, const QString &name)
{
    window->raise();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window))
        return QImage();
    QTest::qWait(300);
    const bool onScreen = QGuiApplication::platformName() == QLatin1String("xcb");
    const QImage image = onScreen ? window->screen()->grabWindow(window->winId()).toImage() : window->grab().toImage();
    const QString path = QStringLiteral(QORV_SCREENSHOT_DIR "/%1-%2.png").arg(name, QGuiApplication::platformName());
    if (!image.save(path))
        return QImage();
    qInfo("screenshot: %s", qPrintable(path));
    return image;
}
}

// The document browser filled from the test server, kept as a picture in the
// build tree.
class TestBrowserScreenshot : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;

private slots:
    void initTestCase() { QVERIFY(BrowserBus::setUpLikeTheProgram()); }

    void init() { QVERIFY(m_bus.start()); }

    void cleanup() { m_bus.stop(); }

    void homeFolderWithAFolderKey()
    {
        GroupDirectory &directory = m_bus.directory();
        const int home = GroupDirectory::HomeFolderId;
        directory.addFolder(11, home, "Board meetings");
        directory.addFolder(12, home, "Contracts");
        directory.addFolder(13, home, "Travel");
        directory.addDocument(21, home, "Annual report 2024");
        directory.addDocument(22, home, "Budget");
        directory.addDocument(23, home, "Minutes of 12 June");
        directory.addDocument(24, home, "Staff handbook");
        qorv::data::FolderKey key = testsupport::FolderKeyWith(testsupport::KeyRules().descriptor());
        key.mutable_folder_key_folder()->set_folder_name("Shared by Eve Fox");
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        auto *sidePane = window->findChild<SidePaneListWidget *>();
        auto *mainPane = window->findChild<MainPaneListWidget *>();
        emit window->addFolderKeyShortcutItem(key);
        QTest::mouseClick(sidePane->viewport(), Qt::LeftButton, {}, sidePane->visualItemRect(sidePane->item(0)).center());
        QCOMPARE(mainPane->count(), 7);
        mainPane->setCurrentRow(4);

        const QImage image = Capture(window, QStringLiteral("documentbrowser"));

        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 800);
        QVERIFY(image.height() >= 600);
        const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar && toolBar->isVisible());
        QCOMPARE(sidePane->count(), 3);
        QVERIFY(DistinctColours(image, AreaIn(window, window->menuBar())) >= 8);
        QVERIFY(DistinctColours(image, AreaIn(window, toolBar)) >= 16);
        QVERIFY(DistinctColours(image, AreaIn(window, sidePane)) >= 16);
        QVERIFY(DistinctColours(image, AreaIn(window, mainPane)) >= 16);
    }
};

QTEST_MAIN(TestBrowserScreenshot)
#include "tst_browserscreenshot.moc"
