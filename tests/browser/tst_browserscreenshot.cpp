#include "browserbus.h"
#include "documentbrowsermainpanelistwidget.h"
#include "documentbrowsersidepanelistwidget.h"
#include "documentbrowserview.h"
#include "keyrules.h"
#include "screenshot.h"
#include "testenvironment.h"

#include "folderkey3.pb.h"

#include <QMenuBar>
#include <QTest>
#include <QToolBar>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;

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
        QTest::mouseClick(sidePane->viewport(), Qt::LeftButton, {},
                          sidePane->visualItemRect(sidePane->item(0)).center());
        QCOMPARE(mainPane->count(), 7);
        mainPane->setCurrentRow(4);

        const testsupport::Screenshot shot(window, QStringLiteral("documentbrowser"));

        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.image().width() >= 800);
        QVERIFY(shot.image().height() >= 600);
        const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar && toolBar->isVisible());
        QCOMPARE(sidePane->count(), 3);
        QVERIFY(shot.colours(window->menuBar()) >= 8);
        QVERIFY(shot.colours(toolBar) >= 16);
        QVERIFY(shot.colours(sidePane) >= 16);
        QVERIFY(shot.colours(mainPane) >= 16);
    }
};

QTEST_MAIN(TestBrowserScreenshot)
#include "tst_browserscreenshot.moc"
