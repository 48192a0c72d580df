#include "browserbus.h"
#include "screenshot.h"
#include "selectdocumentsdialog.h"
#include "selectdocumentswidget.h"
#include "selectusersdialog.h"
#include "testenvironment.h"
#include "usergroupbrowserview.h"

#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;

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
        directory.addFolder(101, GroupDirectory::HomeFolderId, "Letters");
        directory.addFolder(102, GroupDirectory::HomeFolderId, "Plans");
        directory.addDocument(1, GroupDirectory::HomeFolderId, "Agenda");
        directory.addDocument(2, GroupDirectory::HomeFolderId, "Budget");
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

        const testsupport::Screenshot shot(window, QStringLiteral("usergroupbrowser"));

        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.image().width() >= 800);
        QVERIFY(shot.image().height() >= 600);
        const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar && toolBar->isVisible());
        QVERIFY(shot.colours(window->menuBar()) >= 8);
        QVERIFY(shot.colours(toolBar) >= 16);
        QVERIFY(shot.colours(window->findChild<QListWidget *>()) >= 16);
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

        const testsupport::Screenshot shot(&dialog, QStringLiteral("selectusers"));

        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.image().width() >= 800);
        QVERIFY(shot.image().height() >= 600);
        QCOMPARE(groups->count(), 1);
        QCOMPARE(unselected->count(), 3);
        QVERIFY(shot.colours(unselected) >= 16);
        QVERIFY(shot.colours() >= 32);
    }

    // The blank buttons beside the two column labels only keep the label
    // rows as high as the navigation row: they take their place and show
    // nothing, where they once showed as black squares.
    void documentPicker()
    {
        SelectDocumentsDialog dialog;
        dialog.findChild<SelectDocumentsWidget *>()->init();
        auto *unselected = dialog.findChild<QListWidget *>(QStringLiteral("unselectedDocumentsListWidget"));
        QVERIFY(unselected);
        QCOMPARE(unselected->count(), 2);
        dialog.resize(800, 600);
        dialog.show();

        const testsupport::Screenshot shot(&dialog, QStringLiteral("selectdocuments"));

        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.colours(unselected) >= 16);
        const auto *back = dialog.findChild<QToolButton *>(QStringLiteral("backToolButton"));
        QVERIFY(back);
        int blanks = 0;
        for (const QToolButton *button : dialog.findChildren<QToolButton *>()) {
            if (!button->text().isEmpty() || button->arrowType() != Qt::NoArrow || !button->icon().isNull())
                continue;
            ++blanks;
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->styleSheet(), QStringLiteral("background-color: transparent;"));
            QVERIFY(!button->isVisible());
            QCOMPARE(button->height(), back->height());
            QCOMPARE(shot.colours(button), 1);
        }
        QCOMPARE(blanks, 2);
    }
};

QTEST_MAIN(TestGroupsScreenshots)
#include "tst_groupsscreenshots.moc"
