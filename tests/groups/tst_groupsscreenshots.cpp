#include "browserbus.h"
#include "selectusersdialog.h"
#include "testenvironment.h"
#include "usergroupbrowserview.h"

#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
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

// The user-group window and the user picker filled from the test server, kept
// as pictures in the build tree.
class TestGroupsScreenshots : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;

    void addDirectory()
    {
        GroupDirectory &directory = m_bus.directory();
        directory.addUser(GroupDirectory::User(7, "Cy", "", "Dee"));
        directory.addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        directory.addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        directory.addUser(GroupDirectory::User(10, "Lou", "", "Ma"));
        directory.addUser(GroupDirectory::User(11, "Ida", "", "Nash"));
        directory.addUserGroup(20, "Book club", {7, 9, 10, 11});
        directory.addUserGroup(21, "Colleagues", {8});
        directory.addUserGroup(22, "Family", {});
        directory.addHomeGroup(30, "Accounts", {7, 8});
        directory.addHomeGroup(31, "Editors", {9, 10, 11});
    }

private slots:
    void initTestCase() { QVERIFY(BrowserBus::setUpLikeTheProgram()); }

    void init()
    {
        QVERIFY(m_bus.start());
        addDirectory();
    }

    void cleanup() { m_bus.stop(); }

    void userGroupWindow()
    {
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QCOMPARE(window->findChild<QListWidget *>()->count(), 4);

        const QImage image = Capture(window, QStringLiteral("usergroupbrowser"));

        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 800);
        QVERIFY(image.height() >= 600);
        const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar && toolBar->isVisible());
        QVERIFY(DistinctColours(image, AreaIn(window, window->menuBar())) >= 8);
        QVERIFY(DistinctColours(image, AreaIn(window, toolBar)) >= 16);
        QVERIFY(DistinctColours(image, AreaIn(window, window->findChild<QListWidget *>())) >= 16);
    }

    void userPicker()
    {
        SelectUsersDialog dialog;
        dialog.addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        dialog.init();
        auto *groups = dialog.findChild<QListWidget *>(QStringLiteral("userGroupsListWidget"));
        auto *unselected = dialog.findChild<QListWidget *>(QStringLiteral("unselectedUsersListWidget"));
        QVERIFY(groups && unselected);
        groups->item(1)->setSelected(true);
        dialog.findChild<QPushButton *>(QStringLiteral("includePushButton"))->click();
        unselected->item(0)->setSelected(true);
        dialog.show();

        const QImage image = Capture(&dialog, QStringLiteral("selectusers"));

        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 800);
        QVERIFY(image.height() >= 600);
        QCOMPARE(groups->count(), 1);
        QCOMPARE(unselected->count(), 3);
        QVERIFY(DistinctColours(image, AreaIn(&dialog, unselected)) >= 16);
        QVERIFY(DistinctColours(image, image.rect()) >= 32);
    }
};

QTEST_MAIN(TestGroupsScreenshots)
#include "tst_groupsscreenshots.moc"
