// Opening and closing windows must not leave anything behind that grows with
// every window: Qt keeps the pixmaps it draws for an icon under that icon's
// identity, so windows must share the built-in icons rather than load them
// anew each time.
#include "documentbrowserview.h"
#include "documentkeyringview.h"
#include "folderkeyringview.h"
#include "messagebrowserview.h"
#include "resourceicon.h"
#include "testenvironment.h"
#include "usergroupbrowserview.h"
#include "utils.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QSet>
#include <QtTest>

#include <functional>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
using WindowFactory = std::function<QMainWindow *()>;

// The identities of every icon the window shows: its own, and those of its
// menu and toolbar commands.
QSet<qint64> IconIdentities(const QMainWindow &window)
{
    QSet<qint64> identities;
    if (!window.windowIcon().isNull())
        identities.insert(window.windowIcon().cacheKey());
    for (const QAction *action : window.findChildren<QAction *>()) {
        if (!action->icon().isNull())
            identities.insert(action->icon().cacheKey());
    }
    return identities;
}

// Opened, laid out and painted once, as the user would see it, then closed.
QSet<qint64> OpenAndClose(const WindowFactory &make)
{
    QMainWindow *window = make();
    window->show();
    QCoreApplication::processEvents();
    const QSet<qint64> identities = IconIdentities(*window);
    delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return identities;
}
}

Q_DECLARE_METATYPE(WindowFactory)

class TestWindowIcons : public QObject
{
    Q_OBJECT

private slots:
    void sharesOneIconPerResource();
    void windowsReuseTheirIcons_data();
    void windowsReuseTheirIcons();
};

void TestWindowIcons::sharesOneIconPerResource()
{
    const QIcon key = utils::ActionIcon("key.png");
    QVERIFY(!key.isNull());
    QVERIFY(!key.pixmap(16, 16).isNull());
    QCOMPARE(utils::ActionIcon("key.png").cacheKey(), key.cacheKey());
    QCOMPARE(utils::ResourceIcon(QStringLiteral(":icons/32x32/key.png")).cacheKey(), key.cacheKey());
    QVERIFY(utils::ActionIcon("key_edit.png").cacheKey() != key.cacheKey());
}

void TestWindowIcons::windowsReuseTheirIcons_data()
{
    QTest::addColumn<WindowFactory>("make");
    QTest::newRow("document browser") << WindowFactory([] { return new DocumentBrowserView(nullptr); });
    QTest::newRow("message browser") << WindowFactory([] { return new MessageBrowserView(nullptr); });
    QTest::newRow("user group browser") << WindowFactory([] { return new UserGroupBrowserView(nullptr); });
    QTest::newRow("document keyring") << WindowFactory(
        [] { return new DocumentKeyringView(7, QStringLiteral("Plan 2027"), nullptr); });
    QTest::newRow("folder keyring") << WindowFactory(
        [] { return new FolderKeyringView(8, QStringLiteral("Shared with Ann"), nullptr); });
}

void TestWindowIcons::windowsReuseTheirIcons()
{
    QFETCH(WindowFactory, make);
    const QSet<qint64> first = OpenAndClose(make);
    QVERIFY(!first.isEmpty());
    QSet<qint64> seen = first;
    for (int round = 0; round < 20; ++round)
        seen.unite(OpenAndClose(make));
    QCOMPARE(seen.size(), first.size());
}

QTEST_MAIN(TestWindowIcons)
#include "tst_windowicons.moc"
