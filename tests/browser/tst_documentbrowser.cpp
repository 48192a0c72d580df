#include "applicationcomponent.h"
#include "browserbus.h"
#include "builtinzonetable.h"
#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "dialoganswerer.h"
#include "documentbrowsermainpanelistwidget.h"
#include "documentbrowsersidepanelistwidget.h"
#include "documentbrowserview.h"
#include "fillnamedialog.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "keyrules.h"
#include "scopedclock.h"
#include "sentrequests.h"
#include "serviceconnector.h"
#include "testenvironment.h"
#include "timezonedatabase.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "groupkey3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatefolderrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include <chrono>
#include <functional>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;
using testsupport::DialogAnswerer;
using testsupport::KeyRules;
using testsupport::Sent;

namespace
{
using Action = DialogAnswerer::Action;

constexpr int Home = GroupDirectory::HomeFolderId;
constexpr int Plans = 11;
constexpr int Archive = 12;
constexpr int Drafts = 13; // in Plans
constexpr int Budget = 21;
constexpr int Agenda = 22;
constexpr int Notes = 23;        // in Plans
constexpr int SharedFolder = 61; // another user's, opened through a key

MainPaneListWidget *MainPane(const QWidget *window)
{
    return window->findChild<MainPaneListWidget *>();
}

SidePaneListWidget *SidePane(const QWidget *window)
{
    return window->findChild<SidePaneListWidget *>();
}

QAction *Command(const QWidget *window, const char *name)
{
    return window->findChild<QAction *>(QLatin1String(name));
}

QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QListWidgetItem *Item(const QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    return found.size() == 1 ? found.first() : nullptr;
}

void Click(QListWidget *list, const QString &text)
{
    QListWidgetItem *item = Item(list, text);
    QVERIFY2(item, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void Select(QListWidget *list, const QString &text)
{
    QListWidgetItem *item = Item(list, text);
    QVERIFY2(item, qPrintable(text));
    list->setCurrentItem(item);
}

// "1" for each enabled command, in the order of the window's table:
// NewFolder, NewDocument, OpenItem, CopyItem, PasteItem, DeleteItem,
// RenameItem, RedescribeItem, OpenItemKeyring, FolderDocumentSearchItem.
QString States(const QWidget *window)
{
    QString states;
    for (const char *name : {"NewFolder", "NewDocument", "OpenItem", "CopyItem", "PasteItem", "DeleteItem",
                             "RenameItem", "RedescribeItem", "OpenItemKeyring", "FolderDocumentSearchItem"})
        states += Command(window, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

QStringList Entries(const QList<QAction *> &actions)
{
    QStringList entries;
    for (const QAction *action : actions)
        entries.append(action->isSeparator() ? QStringLiteral("---") : action->text());
    return entries;
}

// "major/minor" of every request the server received.
QStringList Requests(const testsupport::TestServer &server)
{
    QStringList requests;
    for (const testsupport::TestRequest &request : server.requests())
        requests.append(QStringLiteral("%1/%2").arg(request.majorOpcode).arg(request.minorOpcode));
    return requests;
}

QLabel *Countdown(const QMainWindow *window)
{
    const QList<QLabel *> labels = window->statusBar()->findChildren<QLabel *>();
    return labels.size() == 1 ? labels.first() : nullptr;
}

qorv::data::FolderKey SharedFolderKey(const qorv::data::SecurityDescriptor &rules)
{
    qorv::data::FolderKey key = testsupport::FolderKeyWith(rules);
    key.mutable_folder_key_folder()->set_folder_id(SharedFolder);
    key.mutable_folder_key_folder()->set_folder_parent_id(600);
    key.mutable_folder_key_folder()->set_folder_name("Shared");
    return key;
}

qorv::data::DocumentKey DocumentKeyIn(int folderId, int documentId, const std::string &name, unsigned properties,
                                      const qorv::data::SecurityDescriptor &rules = KeyRules().descriptor())
{
    qorv::data::DocumentKey key = testsupport::DocumentKeyWith(rules);
    qorv::data::Document *document = key.mutable_document_key_document();
    document->set_document_id(documentId);
    document->set_document_folder_id(folderId);
    document->set_document_name(name);
    document->set_document_creation_date("2024-03-05 14:07:09");
    document->set_document_modification_date("2024-03-06 09:00:00");
    key.set_document_key_properties(properties);
    return key;
}

// Fills the create dialog and presses OK (or Cancel).
Action CreateDialog(const QString &name, const QString &description, bool ok = true)
{
    return testsupport::FillNameDialog(QStringLiteral("nameLineEdit"), QStringLiteral("descriptionLineEdit"), name,
                                       description, ok);
}

// Answers a text input with the text and OK, noting what it offered first.
Action Input(const QString &text, QString *offered = nullptr, bool ok = true)
{
    return [=](QWidget *shown) {
        auto *input = qobject_cast<QInputDialog *>(shown);
        if (!input) {
            shown->close();
            return;
        }
        if (offered)
            *offered = input->textValue();
        input->setTextValue(text);
        ok ? input->accept() : input->reject();
    };
}

// Presses a message box's button, noting whether Cancel was its default.
Action Press(QMessageBox::StandardButton button, bool *cancelIsDefault = nullptr)
{
    return [=](QWidget *shown) {
        auto *box = qobject_cast<QMessageBox *>(shown);
        if (!box) {
            shown->close();
            return;
        }
        if (cancelIsDefault)
            *cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
        box->button(button)->click();
    };
}

// Searches, selects the first result and opens it.
Action SearchAndOpenFirst()
{
    return [](QWidget *shown) {
        auto *buttons = shown->findChild<QDialogButtonBox *>();
        auto *results = shown->findChild<QTableWidget *>();
        if (!buttons || !results) {
            shown->close();
            return;
        }
        buttons->button(QDialogButtonBox::Apply)->click();
        if (results->rowCount() == 0) {
            shown->close();
            return;
        }
        results->selectRow(0);
        buttons->button(QDialogButtonBox::Ok)->click();
    };
}

Action Close()
{
    return [](QWidget *shown) { shown->close(); };
}
}

// The document browser on the real bus against the test server: what it
// lists and in which order it asks, which browser a reply fills, the
// commands and the replies that every browser applies, and the countdown of
// a folder opened through a key.
class TestDocumentBrowser : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;
    std::unique_ptr<testsupport::ScopedClock> m_clock;

    GroupDirectory &directory() { return m_bus.directory(); }
    testsupport::TestServer &server() { return m_bus.server(); }

    void addHomeContent()
    {
        // Documents first: the browser lists subfolders before documents
        // whatever order the server keeps them in.
        directory().addDocument(Budget, Home, "Budget");
        directory().addFolder(Plans, Home, "Plans");
        directory().addDocument(Agenda, Home, "Agenda");
        directory().addFolder(Archive, Home, "Archive");
        directory().addFolder(Drafts, Plans, "Drafts");
        directory().addDocument(Notes, Plans, "Notes");
    }

    void addKeysAndGroups()
    {
        qorv::data::User eve = GroupDirectory::User(8, "Eve", "", "Fox");
        eve.set_user_folder_id(600);
        directory().addUser(eve);
        directory().addUser(GroupDirectory::User(9, "Gus", "", "Hale"));
        directory().addHomeGroup(30, "Accounts", {8, 9});
        directory().addHomeGroup(31, "Editors", {9});
        directory().addFolderKey(SharedFolderKey(KeyRules().permissions(0x41).descriptor()));
        directory().addDocumentKey(DocumentKeyIn(600, 41, "Forecast", 0));
        directory().addDocumentKey(DocumentKeyIn(SharedFolder, 31, "Minutes", 1));
        directory().addDocumentKey(DocumentKeyIn(SharedFolder, 32, "Report", 0));
    }

    // A browser made the way the user makes one, showing the home folder.
    DocumentBrowserView *browserAtHome()
    {
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        if (window)
            Click(SidePane(window), QStringLiteral("Home Folder"));
        return window;
    }

    // Makes the window the one the user works in.
    static bool activate(QWidget *window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    void openSharedFolder(DocumentBrowserView *window, const qorv::data::FolderKey &key)
    {
        emit window->addFolderKeyShortcutItem(key);
        Click(SidePane(window), QStringLiteral("Shared"));
    }

    void tick() { m_bus.bus().findChild<ServiceConnector *>()->receiveEvent(common::ev::ClockTick, 1, std::string()); }

private slots:
    void initTestCase()
    {
        QVERIFY(BrowserBus::setUpLikeTheProgram());
        QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()));
    }

    void init()
    {
        // A Wednesday in June, 12:00:00.250 in the machine's zone.
        m_clock = std::make_unique<testsupport::ScopedClock>(testsupport::UtcInstant(2024, 6, 12, 10, 0, 0)
                                                             + std::chrono::milliseconds(250));
        QApplication::clipboard()->clear();
        QVERIFY(m_bus.start());
    }

    void cleanup()
    {
        m_bus.stop();
        m_clock.reset();
    }

    void aNewWindow()
    {
        DialogAnswerer answerer;
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);

        QCOMPARE(window->windowTitle(), QStringLiteral("Document Browser [127.0.0.1]"));
        QCOMPARE(States(window), QStringLiteral("0000000000"));
        QVERIFY(Command(window, "Close")->isEnabled());
        QVERIFY(Command(window, "AboutQORV")->isEnabled());
        QCOMPARE(Texts(SidePane(window)), QStringList({"Home Folder", "Home Groups"}));
        QCOMPARE(MainPane(window)->count(), 0);
        QStringList menus;
        for (const QAction *action : window->menuBar()->actions()) {
            if (action->isVisible())
                menus.append(action->text());
        }
        QCOMPARE(menus, QStringList({"File", "Edit", "Help"}));
        const QList<QAction *> bar = window->menuBar()->actions();
        QCOMPARE(Entries(bar.at(0)->menu()->actions()), QStringList({"New", "---", "Open", "---", "Close"}));
        QCOMPARE(Entries(bar.at(0)->menu()->actions().first()->menu()->actions()),
                 QStringList({"Folder...", "Document..."}));
        QCOMPARE(Entries(bar.at(1)->menu()->actions()),
                 QStringList({"Copy", "Paste", "---", "Delete", "---", "Rename...", "Redescribe...", "---",
                              "Open Keyring...", "---", "Search..."}));
        QCOMPARE(Entries(bar.at(4)->menu()->actions()), QStringList({"About Quillane..."}));
        const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QCOMPARE(Entries(toolBar->actions()),
                 QStringList({"Folder...", "Document...", "---", "Copy", "Paste", "---", "Delete", "---", "Rename...",
                              "Redescribe...", "---", "Open Keyring...", "---", "Search..."}));
        QCOMPARE(Command(window, "NewFolder")->toolTip(),
                 QStringLiteral("New Folder<p><small>Create a new folder.</small></p>"));
        QCOMPARE(Command(window, "FolderDocumentSearchItem")->statusTip(),
                 QStringLiteral("Search the folder for documents matching your criteria."));
        QVERIFY(Command(window, "PasteItem")->isIconVisibleInMenu());
        QVERIFY(!Countdown(window)->text().size());
        QVERIFY(server().requests().empty());
        QVERIFY(answerer.sawNoDialog());
    }

    void homeFolderListsSubfoldersThenDocuments_data()
    {
        QTest::addColumn<bool>("documentOnClipboard");
        QTest::addColumn<QString>("states");
        QTest::newRow("clipboard without a document") << false << "1100000001";
        QTest::newRow("a document on the clipboard") << true << "1100100001";
    }

    void homeFolderListsSubfoldersThenDocuments()
    {
        QFETCH(bool, documentOnClipboard);
        QFETCH(QString, states);
        addHomeContent();
        auto *clip = new QMimeData;
        clip->setData(documentOnClipboard ? QStringLiteral("qorv/proto/Document") : QStringLiteral("text/plain"),
                      QByteArray::fromStdString(qorv::data::Document().SerializeAsString() + "x"));
        QApplication::clipboard()->setMimeData(clip);
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        DialogAnswerer answerer;

        Click(SidePane(window), QStringLiteral("Home Folder"));

        QCOMPARE(Requests(server()), QStringList({"44/-38", "41/-38"}));
        QCOMPARE(Sent<qorv::data::SelectFolderRequest>(server(), common::op::SelectFolder).first().folder_parent_id(),
                 Home);
        QCOMPARE(
            Sent<qorv::data::SelectDocumentRequest>(server(), common::op::SelectDocument).first().document_folder_id(),
            Home);
        QCOMPARE(Texts(MainPane(window)), QStringList({"Plans", "Archive", "Budget", "Agenda"}));
        QCOMPARE(MainPane(window)->item(0)->type(), int(FolderItemType));
        QCOMPARE(MainPane(window)->item(2)->type(), int(DocumentItemType));
        QCOMPARE(States(window), states);
        int folderId = 0;
        QVERIFY(window->currentFolderId(folderId));
        QCOMPARE(folderId, Home);
        QVERIFY(answerer.sawNoDialog());

        // Clicking it again reloads it.
        server().clearRequests();
        Click(SidePane(window), QStringLiteral("Home Folder"));
        QCOMPARE(Requests(server()), QStringList({"44/-38", "41/-38"}));
        QCOMPARE(MainPane(window)->count(), 4);
    }

    void selectionSetsTheCommands_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<QString>("states");
        QTest::newRow("a folder") << "Plans"
                                  << "1110011110";
        QTest::newRow("a document") << "Budget"
                                    << "1111011110";
        QTest::newRow("nothing, in a folder") << ""
                                              << "1100000001";
    }

    void selectionSetsTheCommands()
    {
        QFETCH(QString, select);
        QFETCH(QString, states);
        addHomeContent();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);

        if (select.isEmpty()) {
            Select(MainPane(window), QStringLiteral("Plans"));
            MainPane(window)->clearSelection();
        } else {
            Select(MainPane(window), select);
        }

        QCOMPARE(States(window), states);
    }

    void eachOpenAsksInItsOrder_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("home groups") << "Home Groups" << QStringList({"45/1"}) << QStringList({"Accounts", "Editors"});
        QTest::newRow("a subfolder") << "Plans" << QStringList({"44/-38", "41/-38"})
                                     << QStringList({"Drafts", "Notes"});
        QTest::newRow("a group") << "Accounts" << QStringList({"54/1"}) << QStringList({"Fox, Eve", "Hale, Gus"});
        QTest::newRow("a user") << "Fox, Eve" << QStringList({"43/-6", "40/-5"}) << QStringList({"Shared", "Forecast"});
        QTest::newRow("a folder key") << "Shared" << QStringList({"43/-6", "40/-5"})
                                      << QStringList({"Minutes", "Report"});
        QTest::newRow("a document") << "Budget" << QStringList({"41/-35"}) << QStringList();
        QTest::newRow("an emphasised document key") << "Minutes" << QStringList({"40/-35", "56/-33"}) << QStringList();
        QTest::newRow("a plain document key") << "Report" << QStringList({"40/-35"}) << QStringList();
    }

    void eachOpenAsksInItsOrder()
    {
        QFETCH(QString, open);
        QFETCH(QStringList, requests);
        QFETCH(QStringList, listed);
        addHomeContent();
        addKeysAndGroups();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        MainPaneListWidget *mainPane = MainPane(window);
        // Walk to where the item is listed.
        if (open == QLatin1String("Accounts")) {
            Click(SidePane(window), QStringLiteral("Home Groups"));
        } else if (open == QLatin1String("Fox, Eve")) {
            Click(SidePane(window), QStringLiteral("Home Groups"));
            mainPane->openItem(Item(mainPane, QStringLiteral("Accounts")));
        } else if (open == QLatin1String("Shared")) {
            Click(SidePane(window), QStringLiteral("Home Groups"));
            mainPane->openItem(Item(mainPane, QStringLiteral("Accounts")));
            mainPane->openItem(Item(mainPane, QStringLiteral("Fox, Eve")));
        } else if (open == QLatin1String("Minutes") || open == QLatin1String("Report")) {
            openSharedFolder(window, SharedFolderKey(KeyRules().permissions(0x41).descriptor()));
        }
        const QStringList before = listed.isEmpty() ? Texts(mainPane) : QStringList();
        server().clearRequests();
        DialogAnswerer answerer;

        if (open == QLatin1String("Home Groups"))
            Click(SidePane(window), open);
        else
            mainPane->openItem(Item(mainPane, open));

        QCOMPARE(Requests(server()), requests);
        QCOMPARE(Texts(mainPane), listed.isEmpty() ? before : listed);
        QVERIFY(answerer.sawNoDialog());
        const int session = GroupDirectory::SessionUserId;
        if (open == QLatin1String("Plans")) {
            QCOMPARE(
                Sent<qorv::data::SelectFolderRequest>(server(), common::op::SelectFolder).first().folder_parent_id(),
                Plans);
            QCOMPARE(Texts(SidePane(window)), QStringList({"Home Folder", "Home Groups", "Plans"}));
            int folderId = 0;
            QVERIFY(window->currentFolderId(folderId));
            QCOMPARE(folderId, Plans);
        } else if (open == QLatin1String("Home Groups")) {
            QCOMPARE(Sent<qorv::data::SelectGroupKeyRequest>(server(), common::op::SelectGroupKey)
                         .first()
                         .group_key_user_id(),
                     session);
            QCOMPARE(States(window), QStringLiteral("0000000000"));
        } else if (open == QLatin1String("Accounts")) {
            QCOMPARE(Sent<qorv::data::SelectUserRequest>(server(), common::op::SelectUser).first().user_group_id(), 30);
        } else if (open == QLatin1String("Fox, Eve")) {
            const auto folderKeys =
                Sent<qorv::data::SelectFolderKeyRequest>(server(), common::op::SelectFolderKey).first();
            QCOMPARE(folderKeys.folder_parent_id(), 600);
            QCOMPARE(folderKeys.folder_key_user_id(), session);
            const auto documentKeys =
                Sent<qorv::data::SelectDocumentKeyRequest>(server(), common::op::SelectDocumentKey).first();
            QCOMPARE(documentKeys.document_folder_id(), 600);
            QCOMPARE(documentKeys.document_key_user_id(), session);
            QCOMPARE(Texts(SidePane(window)), QStringList({"Home Folder", "Home Groups", "Accounts", "Fox, Eve"}));
        } else if (open == QLatin1String("Shared")) {
            QCOMPARE(Sent<qorv::data::SelectFolderKeyRequest>(server(), common::op::SelectFolderKey)
                         .first()
                         .folder_parent_id(),
                     SharedFolder);
            QCOMPARE(Sent<qorv::data::SelectDocumentKeyRequest>(server(), common::op::SelectDocumentKey)
                         .first()
                         .document_folder_id(),
                     SharedFolder);
            // Permission 6 of the key allows the search.
            QVERIFY(Command(window, "FolderDocumentSearchItem")->isEnabled());
        } else if (open == QLatin1String("Budget")) {
            QCOMPARE(
                Sent<qorv::data::SelectDocumentRequest>(server(), common::op::SelectDocument).first().document_id(),
                Budget);
        } else if (open == QLatin1String("Minutes")) {
            const auto opened =
                Sent<qorv::data::SelectDocumentKeyRequest>(server(), common::op::SelectDocumentKey).first();
            QCOMPARE(opened.document_key_document_id(), 31);
            QCOMPARE(opened.document_key_user_id(), session);
            const auto cleared =
                Sent<qorv::data::UpdateDocumentKeyRequest>(server(), common::op::UpdateDocumentKey).first();
            QCOMPARE(cleared.document_key().document_key_properties(), 0u);
            QCOMPARE(cleared.document_key().document_key_document().document_name(), std::string("Minutes"));
        }
    }

    void keyringsAreAskedForByTheirOwnTags()
    {
        addHomeContent();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        server().clearRequests();

        Select(MainPane(window), QStringLiteral("Plans"));
        Command(window, "OpenItemKeyring")->trigger();
        Select(MainPane(window), QStringLiteral("Budget"));
        Command(window, "OpenItemKeyring")->trigger();

        QCOMPARE(Requests(server()), QStringList({"43/-37", "40/-34"}));
        const auto folder = Sent<qorv::data::SelectFolderKeyRequest>(server(), common::op::SelectFolderKey).first();
        QCOMPARE(folder.folder_key_folder_id(), Plans);
        QCOMPARE(folder.folder_key_folder_name(), std::string("Plans"));
        const auto document =
            Sent<qorv::data::SelectDocumentKeyRequest>(server(), common::op::SelectDocumentKey).first();
        QCOMPARE(document.document_key_document_id(), Budget);
        QCOMPARE(document.document_key_document_name(), std::string("Budget"));
        // The browser itself does not change.
        QCOMPARE(MainPane(window)->count(), 4);
    }

    void onlyTheActiveBrowserFills()
    {
        addHomeContent();
        addKeysAndGroups();
        DocumentBrowserView *first = m_bus.openDocumentBrowser();
        DocumentBrowserView *second = m_bus.openDocumentBrowser();
        QVERIFY(first && second);
        QVERIFY(activate(first));

        Click(SidePane(first), QStringLiteral("Home Folder"));
        QCOMPARE(MainPane(first)->count(), 4);
        QCOMPARE(MainPane(second)->count(), 0);

        QVERIFY(activate(second));
        Click(SidePane(second), QStringLiteral("Home Groups"));
        QCOMPARE(Texts(MainPane(second)), QStringList({"Accounts", "Editors"}));
        QCOMPARE(MainPane(first)->count(), 4);
    }

    void aSelectThatFailsLeavesThePaneEmpty()
    {
        addHomeContent();
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        DialogAnswerer answerer;
        qorv::data::SelectFolderReply folders;
        *folders.add_folder() = directory().folder(Plans);
        server().reply(common::op::SelectFolder, common::tag::OpenFolder, folders.SerializeAsString(), 0, 5);
        testsupport::TestReply linkFailure;
        linkFailure.majorErcode = -1;
        linkFailure.minorErcode = 1;
        server().reply(common::op::SelectDocument, common::tag::OpenFolder, linkFailure);

        Click(SidePane(window), QStringLiteral("Home Folder"));

        QCOMPARE(Requests(server()), QStringList({"44/-38", "41/-38"}));
        QCOMPARE(MainPane(window)->count(), 0);
        QVERIFY(answerer.sawNoDialog());
    }

    void anEmphasisedKeyIsClearedInEveryBrowser()
    {
        addKeysAndGroups();
        const qorv::data::FolderKey key = SharedFolderKey(KeyRules().permissions(0x41).descriptor());
        DocumentBrowserView *first = m_bus.openDocumentBrowser();
        openSharedFolder(first, key);
        DocumentBrowserView *second = m_bus.openDocumentBrowser();
        openSharedFolder(second, key);
        QVERIFY(activate(first));
        QVERIFY(Item(MainPane(first), QStringLiteral("Minutes"))->font().bold());
        QVERIFY(Item(MainPane(second), QStringLiteral("Minutes"))->font().bold());
        QVERIFY(!Item(MainPane(first), QStringLiteral("Report"))->font().bold());

        MainPane(first)->openItem(Item(MainPane(first), QStringLiteral("Minutes")));

        QVERIFY(!Item(MainPane(first), QStringLiteral("Minutes"))->font().bold());
        QVERIFY(!Item(MainPane(second), QStringLiteral("Minutes"))->font().bold());
        QCOMPARE(directory().documentKey(31).document_key_properties(), 0u);
    }

    void aFolderKeyThatMayNotBeOpenedNowIsRefused()
    {
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);

        // June is not among the key's months.
        openSharedFolder(window, SharedFolderKey(KeyRules().active(testsupport::AllActiveBut(6)).descriptor()));

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Access denied."));
        QCOMPARE(answerer.lastText(), QStringLiteral("Key not active this month."));
        QVERIFY(server().requests().empty());
        QCOMPARE(MainPane(window)->count(), 0);
        QVERIFY(Countdown(window)->text().isEmpty());
    }

    // Session countdown

    void countdownOfAFolderKey()
    {
        addKeysAndGroups();
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        QPointer<DocumentBrowserView> watched(window);
        DialogAnswerer answerer;
        qorv::data::FolderKey key = SharedFolderKey(KeyRules().descriptor());
        key.mutable_folder_key_security_descriptor()->set_session_duration(5400);
        const Clock::TimePoint start = Clock::now();

        openSharedFolder(window, key);

        QLabel *label = Countdown(window);
        QCOMPARE(label->text(), QStringLiteral("Session Duration [01:30]"));
        QCOMPARE(label->styleSheet(), QStringLiteral("QLabel { color : gray}"));
        QCOMPARE(Texts(MainPane(window)), QStringList({"Minutes", "Report"}));

        m_clock->set(start + std::chrono::minutes(31));
        tick();
        QCOMPARE(label->text(), QStringLiteral("Session Duration [00:59]"));
        QCOMPARE(label->styleSheet(), QStringLiteral("QLabel { color : red}"));

        m_clock->set(start + std::chrono::minutes(89));
        tick();
        QCOMPARE(label->text(), QStringLiteral("Session Duration [00:01]"));
        QVERIFY(window->isVisible());

        m_clock->set(start + std::chrono::seconds(89 * 60 + 30));
        tick();
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(!watched);
        QVERIFY(answerer.sawNoDialog());
    }

    void countdownStopsWithTheNextOpen_data()
    {
        QTest::addColumn<int>("sessionDuration");
        QTest::addColumn<QString>("label");
        QTest::newRow("no limit") << 0 << "";
        QTest::newRow("an hour and a half") << 5400 << "Session Duration [01:30]";
    }

    void countdownStopsWithTheNextOpen()
    {
        QFETCH(int, sessionDuration);
        QFETCH(QString, label);
        addHomeContent();
        addKeysAndGroups();
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        qorv::data::FolderKey key = SharedFolderKey(KeyRules().descriptor());
        key.mutable_folder_key_security_descriptor()->set_session_duration(sessionDuration);
        openSharedFolder(window, key);
        QCOMPARE(Countdown(window)->text(), label);

        Click(SidePane(window), QStringLiteral("Home Folder"));
        m_clock->set(Clock::now() + std::chrono::hours(3));
        tick();
        tick();

        QVERIFY(Countdown(window)->text().isEmpty());
        QVERIFY(window->isVisible());
        // Events other than the tick are not the countdown's.
        window->receiveEvent(common::ev::Audit, 4, "line");
        QVERIFY(window->isVisible());
    }

    // Creating

    void create_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("warning"); // title, then text
        QTest::addColumn<QString>("sent");    // the name sent, empty when nothing was
        for (const bool folder : {true, false}) {
            const char *kind = folder ? "folder" : "document";
            QTest::addRow("%s: trimmed, no description", kind) << folder << "  Minutes 2024 "
                                                               << "  " << true << ""
                                                               << "Minutes 2024";
            QTest::addRow("%s: with a description", kind) << folder << "Minutes"
                                                          << " For the board " << true << ""
                                                          << "Minutes";
            QTest::addRow("%s: blanks only", kind)
                << folder << "   "
                << "Anything" << true
                << (folder ? "Folder...|Please enter a folder name." : "Document...|Please enter a document name.")
                << "";
            QTest::addRow("%s: cancelled", kind) << folder << "Minutes"
                                                 << "" << false << ""
                                                 << "";
        }
    }

    void create()
    {
        QFETCH(bool, folder);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(bool, ok);
        QFETCH(QString, warning);
        QFETCH(QString, sent);
        addHomeContent();
        DocumentBrowserView *elsewhere = browserAtHome();
        MainPane(elsewhere)->openItem(Item(MainPane(elsewhere), QStringLiteral("Plans")));
        DocumentBrowserView *other = browserAtHome();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(elsewhere && other && window);
        server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(CreateDialog(name, description, ok));
        if (!warning.isEmpty())
            answerer.expect(QMessageBox::Ok);

        Command(window, folder ? "NewFolder" : "NewDocument")->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().first().title,
                 folder ? QStringLiteral("Create Folder") : QStringLiteral("Create Document"));
        if (!warning.isEmpty()) {
            QCOMPARE(answerer.lastTitle(), warning.section(QLatin1Char('|'), 0, 0));
            QCOMPARE(answerer.lastText(), warning.section(QLatin1Char('|'), 1, 1));
        }
        QCOMPARE(answerer.seen().size(), warning.isEmpty() ? 1 : 2);
        if (sent.isEmpty()) {
            QVERIFY(server().requests().empty());
            return;
        }
        QCOMPARE(Requests(server()), QStringList({folder ? "25/1" : "22/1"}));
        const std::string creationDate = "2024-06-12 10:00:00.250000";
        const std::string trimmedDescription = description.trimmed().toStdString();
        if (folder) {
            const qorv::data::Folder inserted =
                Sent<qorv::data::InsertFolderRequest>(server(), common::op::InsertFolder).first().folder();
            QCOMPARE(inserted.folder_name(), sent.toStdString());
            QVERIFY(inserted.has_folder_description());
            QCOMPARE(inserted.folder_description(), trimmedDescription);
            QCOMPARE(inserted.folder_parent_id(), Home);
            QCOMPARE(inserted.folder_user_id(), GroupDirectory::SessionUserId);
            QCOMPARE(inserted.folder_creation_date(), creationDate);
            QCOMPARE(inserted.folder_security_descriptor().permissions(), 127u);
            QCOMPARE(inserted.folder_security_descriptor().active(), 0xFFFFFu);
            QCOMPARE(inserted.folder_security_descriptor().expiration_date(), std::string("9999-12-31 00:00:00"));
        } else {
            const qorv::data::Document inserted =
                Sent<qorv::data::InsertDocumentRequest>(server(), common::op::InsertDocument).first().document();
            QCOMPARE(inserted.document_name(), sent.toStdString());
            QVERIFY(inserted.has_document_description());
            QCOMPARE(inserted.document_description(), trimmedDescription);
            QCOMPARE(inserted.document_folder_id(), Home);
            QCOMPARE(inserted.document_user_id(), GroupDirectory::SessionUserId);
            QCOMPARE(inserted.document_creation_date(), creationDate);
            QCOMPARE(inserted.document_modification_date(), creationDate);
            QCOMPARE(inserted.document_security_descriptor().permissions(), 4095u);
        }
        // Every browser that shows the folder lists the new item, at the end;
        // one that shows another folder does not.
        for (const DocumentBrowserView *showing : {window, other})
            QCOMPARE(Texts(MainPane(showing)).last(), sent);
        QCOMPARE(Texts(MainPane(elsewhere)), QStringList({"Drafts", "Notes"}));
    }

    void createWithoutACurrentFolderDoesNothing()
    {
        addKeysAndGroups();
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        openSharedFolder(window, SharedFolderKey(KeyRules().descriptor()));
        server().clearRequests();
        DialogAnswerer answerer;

        window->newFolder();
        window->newDocument();

        QVERIFY(answerer.sawNoDialog());
        QVERIFY(server().requests().empty());
    }

    void aDuplicateNameIsReportedByEveryBrowser_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("new folder") << "NewFolder"
                                    << "A folder named 'Budget' already exists.";
        QTest::newRow("new document") << "NewDocument"
                                      << "A document named 'Budget' already exists.";
        QTest::newRow("rename folder") << "RenameFolder"
                                       << "A folder named 'Budget' already exists.";
        QTest::newRow("rename document") << "RenameDocument"
                                         << "A document named 'Budget' already exists.";
    }

    void aDuplicateNameIsReportedByEveryBrowser()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        addHomeContent();
        DocumentBrowserView *other = browserAtHome();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(other && window);
        const QStringList before = Texts(MainPane(window));
        DialogAnswerer answerer;
        if (command.startsWith(QLatin1String("New"))) {
            answerer.expect(CreateDialog(QStringLiteral("Budget"), QString()));
        } else {
            Select(MainPane(window),
                   command == QLatin1String("RenameFolder") ? QStringLiteral("Plans") : QStringLiteral("Agenda"));
            answerer.expect(Input(QStringLiteral("Budget")));
        }
        answerer.expect(QMessageBox::Ok);
        answerer.expect(QMessageBox::Ok);

        if (command.startsWith(QLatin1String("New")))
            Command(window, command.toLatin1().constData())->trigger();
        else
            Command(window, "RenameItem")->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().size(), 3);
        for (int index : {1, 2}) {
            QCOMPARE(answerer.seen().at(index).title, QStringLiteral("QuillaneClient"));
            QCOMPARE(answerer.seen().at(index).text, text);
        }
        QCOMPARE(Texts(MainPane(window)), before);
        QCOMPARE(Texts(MainPane(other)), before);
    }

    // Renaming and redescribing

    void renameAndRedescribe_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("dialog");  // title|label|offered
        QTest::addColumn<QString>("request"); // major/minor, empty when nothing is sent
        QTest::addColumn<QString>("warning"); // title|text

        QTest::newRow("rename folder") << "Plans"
                                       << "RenameItem"
                                       << "  Goals "
                                       << "Rename Folder|New folder name:|Plans"
                                       << "60/-49"
                                       << "";
        QTest::newRow("rename folder to its own name") << "Plans"
                                                       << "RenameItem"
                                                       << "Plans"
                                                       << "Rename Folder|New folder name:|Plans"
                                                       << "60/-49"
                                                       << "";
        QTest::newRow("rename folder to blanks") << "Plans"
                                                 << "RenameItem"
                                                 << "   "
                                                 << "Rename Folder|New folder name:|Plans"
                                                 << ""
                                                 << "Rename Folder|Please enter a folder name.";
        QTest::newRow("redescribe folder") << "Plans"
                                           << "RedescribeItem"
                                           << "Next year"
                                           << "Redescribe Folder|New folder description:|For later"
                                           << "60/-46"
                                           << "";
        QTest::newRow("redescribe folder to blanks") << "Plans"
                                                     << "RedescribeItem"
                                                     << " "
                                                     << "Redescribe Folder|New folder description:|For later"
                                                     << ""
                                                     << "Redescribe Folder|Folder description is empty!";
        QTest::newRow("rename document") << "Budget"
                                         << "RenameItem"
                                         << "Budget 2025"
                                         << "Rename Document|New document name:|Budget"
                                         << "57/-48"
                                         << "";
        QTest::newRow("rename document to blanks") << "Budget"
                                                   << "RenameItem"
                                                   << ""
                                                   << "Rename Document|New document name:|Budget"
                                                   << ""
                                                   << "Rename Document|Please enter a document name.";
        QTest::newRow("redescribe document") << "Budget"
                                             << "RedescribeItem"
                                             << "Final figures"
                                             << "Redescribe Document|New document description:|Draft figures"
                                             << "57/-45"
                                             << "";
        QTest::newRow("redescribe document to blanks") << "Budget"
                                                       << "RedescribeItem"
                                                       << "\t"
                                                       << "Redescribe Document|New document description:|Draft figures"
                                                       << ""
                                                       << "Redescribte Document|Document description is empty!";
    }

    void renameAndRedescribe()
    {
        QFETCH(QString, item);
        QFETCH(QString, command);
        QFETCH(QString, typed);
        QFETCH(QString, dialog);
        QFETCH(QString, request);
        QFETCH(QString, warning);
        qorv::data::Folder plans;
        plans.set_folder_id(Plans);
        plans.set_folder_parent_id(Home);
        plans.set_folder_name("Plans");
        plans.set_folder_description("For later");
        directory().addFolder(Plans, Home, "Plans");
        qorv::data::Document budget;
        budget.set_document_id(Budget);
        budget.set_document_folder_id(Home);
        budget.set_document_name("Budget");
        budget.set_document_description("Draft figures");
        budget.set_document_body("<p>1, 2, 3</p>");
        directory().addDocument(budget);
        DocumentBrowserView *window = m_bus.openDocumentBrowser();
        QVERIFY(window);
        // The folder has a shortcut, and is listed with its description.
        emit MainPane(window)->addFolderShortcutItem(plans);
        Click(SidePane(window), QStringLiteral("Home Folder"));
        emit window->redescribeFolderItem(plans);
        Select(MainPane(window), item);
        server().clearRequests();
        DialogAnswerer answerer;
        QString offered;
        answerer.expect(Input(typed, &offered));
        if (!warning.isEmpty())
            answerer.expect(QMessageBox::Ok);

        Command(window, command.toLatin1().constData())->trigger();

        QVERIFY(answerer.waitForAll());
        const DialogAnswerer::Seen input = answerer.seen().first();
        QCOMPARE(input.title + "|" + input.text + "|" + offered, dialog);
        if (!warning.isEmpty())
            QCOMPARE(answerer.lastTitle() + "|" + answerer.lastText(), warning);
        QCOMPARE(Requests(server()), request.isEmpty() ? QStringList() : QStringList({request}));
        if (request.isEmpty())
            return;
        const QString entered = typed.trimmed();
        const QListWidgetItem *changed = MainPane(window)->item(item == QLatin1String("Plans") ? 0 : 1);
        if (request == QLatin1String("60/-49")) {
            const auto sentFolder =
                Sent<qorv::data::UpdateFolderRequest>(server(), common::op::UpdateFolder).first().folder();
            QCOMPARE(sentFolder.folder_id(), Plans);
            QCOMPARE(sentFolder.folder_name(), entered.toStdString());
            QVERIFY(!sentFolder.has_folder_description() && !sentFolder.has_folder_parent_id());
            QCOMPARE(changed->text(), entered);
            QCOMPARE(Texts(SidePane(window)).last(), entered);
        } else if (request == QLatin1String("60/-46")) {
            const auto sentFolder =
                Sent<qorv::data::UpdateFolderRequest>(server(), common::op::UpdateFolder).first().folder();
            QCOMPARE(sentFolder.folder_description(), entered.toStdString());
            QVERIFY(!sentFolder.has_folder_name());
            QCOMPARE(changed->toolTip(), entered);
            QCOMPARE(SidePane(window)->item(2)->toolTip(), entered);
        } else if (request == QLatin1String("57/-48")) {
            const auto sentDocument =
                Sent<qorv::data::UpdateDocumentRequest>(server(), common::op::UpdateDocument).first().document();
            QCOMPARE(sentDocument.document_id(), Budget);
            QCOMPARE(sentDocument.document_name(), entered.toStdString());
            QVERIFY(!sentDocument.has_document_body() && !sentDocument.has_document_description());
            QCOMPARE(changed->text(), entered);
            QCOMPARE(changed->toolTip(), QStringLiteral("Draft figures"));
        } else {
            // The whole document as the pane holds it, with the new text.
            const auto sentDocument =
                Sent<qorv::data::UpdateDocumentRequest>(server(), common::op::UpdateDocument).first().document();
            QCOMPARE(sentDocument.document_description(), entered.toStdString());
            QCOMPARE(sentDocument.document_body(), std::string("<p>1, 2, 3</p>"));
            QCOMPARE(sentDocument.document_name(), std::string("Budget"));
            QCOMPARE(changed->toolTip(), entered);
        }
    }

    // A rename is answered with the id and the new name only; the item must
    // keep the rest, which a later move, redescription or copy sends on.
    void aRenamedDocumentKeepsItsWholeRecord()
    {
        qorv::data::Document budget;
        budget.set_document_id(Budget);
        budget.set_document_user_id(GroupDirectory::SessionUserId);
        budget.set_document_folder_id(Home);
        budget.set_document_name("Budget");
        budget.set_document_description("Draft");
        budget.set_document_body("<p>figures</p>");
        budget.mutable_document_security_descriptor()->set_permissions(4095);
        directory().addDocument(budget);
        directory().addFolder(Plans, Home, "Plans");
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        DialogAnswerer answerer;
        answerer.expect(Input(QStringLiteral("Budget 2025")));
        Select(MainPane(window), QStringLiteral("Budget"));
        Command(window, "RenameItem")->trigger();
        QVERIFY(answerer.waitForAll());
        server().clearRequests();

        Select(MainPane(window), QStringLiteral("Budget 2025"));
        Command(window, "CopyItem")->trigger();
        const auto copied = itemrecord::FromVariant<qorv::data::Document>(
            Item(MainPane(window), QStringLiteral("Budget 2025"))->data(DocumentRole));
        emit MainPane(window)->moveDocument(*copied, Plans);

        const auto moved =
            Sent<qorv::data::UpdateDocumentRequest>(server(), common::op::UpdateDocument).first().document();
        QCOMPARE(moved.document_name(), std::string("Budget 2025"));
        QCOMPARE(moved.document_body(), std::string("<p>figures</p>"));
        QCOMPARE(moved.document_description(), std::string("Draft"));
        QCOMPARE(moved.document_security_descriptor().permissions(), 4095u);
        QCOMPARE(moved.document_folder_id(), Plans);
        qorv::data::Document onClipboard;
        const QByteArray bytes = QApplication::clipboard()->mimeData()->data(QStringLiteral("qorv/proto/Document"));
        QVERIFY(onClipboard.ParseFromArray(bytes.constData(), int(bytes.size())));
        QCOMPARE(onClipboard.document_body(), std::string("<p>figures</p>"));
        QVERIFY(onClipboard.has_document_security_descriptor());
    }

    // Deleting

    void deleting_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("refusal"); // shown by every browser
        QTest::addColumn<bool>("removed");
        QTest::newRow("an empty folder") << "Archive" << QMessageBox::Ok << "10/1"
                                         << "" << true;
        QTest::newRow("a folder, cancelled") << "Archive" << QMessageBox::Cancel << ""
                                             << "" << false;
        QTest::newRow("a folder that holds something") << "Plans" << QMessageBox::Ok << "10/1"
                                                       << "You cannot delete a non-empty folder." << false;
        QTest::newRow("a document") << "Budget" << QMessageBox::Ok << "7/1"
                                    << "" << true;
        QTest::newRow("a document, cancelled") << "Budget" << QMessageBox::Cancel << ""
                                               << "" << false;
    }

    void deleting()
    {
        QFETCH(QString, item);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, request);
        QFETCH(QString, refusal);
        QFETCH(bool, removed);
        addHomeContent();
        DocumentBrowserView *other = browserAtHome();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(other && window);
        // The folder has a shortcut too, which goes with it.
        emit MainPane(window)->addFolderShortcutItem(directory().folder(Archive));
        Click(SidePane(window), QStringLiteral("Home Folder"));
        Select(MainPane(window), item);
        server().clearRequests();
        DialogAnswerer answerer;
        bool cancelIsDefault = false;
        answerer.expect(Press(answer, &cancelIsDefault));
        if (!refusal.isEmpty()) {
            answerer.expect(QMessageBox::Ok);
            answerer.expect(QMessageBox::Ok);
        }

        Command(window, "DeleteItem")->trigger();

        QVERIFY(answerer.waitForAll());
        const bool folder = item != QLatin1String("Budget");
        const DialogAnswerer::Seen confirmation = answerer.seen().first();
        QCOMPARE(confirmation.title, folder ? QStringLiteral("Delete Folder") : QStringLiteral("Delete Document"));
        QCOMPARE(confirmation.text, folder ? QStringLiteral("Are you sure you want to delete this folder?")
                                           : QStringLiteral("Are you sure you want to delete this document?"));
        QCOMPARE(confirmation.informativeText, item);
        QVERIFY(cancelIsDefault);
        QCOMPARE(Requests(server()), request.isEmpty() ? QStringList() : QStringList({request}));
        QCOMPARE(answerer.seen().size(), refusal.isEmpty() ? 1 : 3);
        if (!refusal.isEmpty()) {
            QCOMPARE(answerer.seen().at(1).text, refusal);
            QCOMPARE(answerer.seen().at(2).text, refusal);
            QCOMPARE(answerer.lastTitle(), QStringLiteral("QuillaneClient"));
        }
        for (const DocumentBrowserView *browser : {window, other})
            QCOMPARE(Item(MainPane(browser), item) == nullptr, removed);
        QCOMPARE(Texts(SidePane(window)).contains(QStringLiteral("Archive")), !(removed && item == "Archive"));
        if (request == QLatin1String("7/1")) {
            const auto sentRequest =
                Sent<qorv::data::DeleteDocumentRequest>(server(), common::op::DeleteDocument).first();
            QCOMPARE(sentRequest.document_id(), Budget);
            QCOMPARE(sentRequest.document_name(), std::string("Budget"));
        }
    }

    // A deletion the server refuses takes nothing away, although the reply
    // arrives without error codes.
    void aRefusedDocumentDeletionRemovesNothing()
    {
        addHomeContent();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        qorv::data::DeleteDocumentReply refused;
        refused.set_return_code(0);
        refused.mutable_sql_diag_rec()->set_sqlc(common::SqlcForeignKeyViolation);
        server().reply(common::op::DeleteDocument, common::tag::Plain, refused.SerializeAsString());
        Select(MainPane(window), QStringLiteral("Budget"));
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);

        Command(window, "DeleteItem")->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(Item(MainPane(window), QStringLiteral("Budget")));
    }

    // Copy and paste

    void copyEnablesPasteEverywhere()
    {
        addHomeContent();
        addKeysAndGroups();
        DocumentBrowserView *other = m_bus.openDocumentBrowser();
        QVERIFY(other);
        Click(SidePane(other), QStringLiteral("Home Groups"));
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        QVERIFY(!Command(other, "PasteItem")->isEnabled());
        Select(MainPane(window), QStringLiteral("Budget"));
        server().clearRequests();

        Command(window, "CopyItem")->trigger();

        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("qorv/proto/Document")));
        QVERIFY(Command(other, "PasteItem")->isEnabled());
        QVERIFY(Command(window, "PasteItem")->isEnabled());
        // Nothing goes to the server, and Paste does nothing without a folder.
        QVERIFY(server().requests().empty());
        other->pasteItem();
        QVERIFY(server().requests().empty());

        QApplication::clipboard()->setText(QStringLiteral("plain text"));
        QVERIFY(!Command(other, "PasteItem")->isEnabled());
        QVERIFY(!Command(window, "PasteItem")->isEnabled());
    }

    void paste_data()
    {
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<bool>("sent");
        QTest::newRow("a short name") << 6 << true;
        QTest::newRow("41 characters: 63 with the copy mark") << 41 << true;
        QTest::newRow("42 characters: too long") << 42 << false;
    }

    // The copy becomes a new document of the logged-on user: only what the
    // user sees of it comes from the clipboard.
    void paste()
    {
        QFETCH(int, nameLength);
        QFETCH(bool, sent);
        addHomeContent();
        DocumentBrowserView *other = browserAtHome();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(other && window);
        qorv::data::Document foreign;
        foreign.set_document_id(77);
        foreign.set_document_user_id(5);
        foreign.set_document_folder_id(500);
        foreign.set_document_name(std::string(nameLength - 1, 'x') + "\xc3\xa9");
        foreign.set_document_description("Theirs");
        foreign.set_document_properties(3);
        foreign.set_document_body("<p>body</p>");
        foreign.set_document_body_format(1);
        foreign.set_document_creation_date("2001-01-01 00:00:00");
        foreign.mutable_document_security_descriptor()->set_password("their passcode");
        foreign.mutable_document_security_descriptor()->set_permissions(1);
        foreign.mutable_document_security_descriptor()->set_expiration_date("2001-02-02 00:00:00");
        foreign.mutable_sys_period()->set_from("2001-01-01 00:00:00");
        auto *clip = new QMimeData;
        clip->setData(QStringLiteral("qorv/proto/Document"), QByteArray::fromStdString(foreign.SerializeAsString()));
        QApplication::clipboard()->setMimeData(clip);
        server().clearRequests();
        DialogAnswerer answerer;

        Command(window, "PasteItem")->trigger();

        QVERIFY(answerer.sawNoDialog());
        if (!sent) {
            QVERIFY(server().requests().empty());
            return;
        }
        QCOMPARE(Requests(server()), QStringList({"22/1"}));
        const qorv::data::Document copy =
            Sent<qorv::data::InsertDocumentRequest>(server(), common::op::InsertDocument).first().document();
        const QString name = QString::fromStdString(copy.document_name());
        QCOMPARE(name, QString::fromStdString(foreign.document_name()) + " - Copy (12:00:00.250)");
        QVERIFY(name.size() <= 63);
        QVERIFY(!copy.has_document_id());
        QCOMPARE(copy.document_user_id(), GroupDirectory::SessionUserId);
        QCOMPARE(copy.document_folder_id(), Home);
        QCOMPARE(copy.document_description(), std::string("Theirs"));
        QCOMPARE(copy.document_properties(), 3u);
        QCOMPARE(copy.document_body(), std::string("<p>body</p>"));
        QCOMPARE(copy.document_body_format(), 1);
        QCOMPARE(copy.document_creation_date(), std::string("2024-06-12 10:00:00.250000"));
        QCOMPARE(copy.document_modification_date(), copy.document_creation_date());
        const qorv::data::SecurityDescriptor &rules = copy.document_security_descriptor();
        QVERIFY(!rules.has_password() || rules.password().empty());
        QCOMPARE(rules.permissions(), 4095u);
        QCOMPARE(rules.active(), 0xFFFFFu);
        QCOMPARE(rules.expiration_date(), std::string("9999-12-31 00:00:00"));
        QVERIFY(!copy.has_sys_period());
        for (const DocumentBrowserView *browser : {window, other})
            QCOMPARE(Texts(MainPane(browser)).last(), name);
    }

    // Moves

    void moves_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("into"); // 0: the folder shown
        QTest::addColumn<bool>("fromSidePane");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("home");  // what the browsers at home show afterwards
        QTest::addColumn<QStringList>("plans"); // what a browser showing Plans shows afterwards

        const QStringList home{"Plans", "Archive", "Budget", "Agenda"};
        const QStringList plans{"Drafts", "Notes"};
        QTest::newRow("a document into a subfolder")
            << "Budget" << Plans << false << "57/-22" << QStringList({"Plans", "Archive", "Agenda"})
            << QStringList({"Drafts", "Notes", "Budget"});
        QTest::newRow("a folder into a sibling")
            << "Archive" << Plans << false << "60/-23" << QStringList({"Plans", "Budget", "Agenda"})
            << QStringList({"Drafts", "Notes", "Archive"});
        QTest::newRow("a document onto a folder shortcut")
            << "Agenda" << Plans << true << "57/-22" << QStringList({"Plans", "Archive", "Budget"})
            << QStringList({"Drafts", "Notes", "Agenda"});
        QTest::newRow("a folder onto itself") << "Plans" << Plans << false << "" << home << plans;
        QTest::newRow("a folder into its own subfolder") << "Plans" << Drafts << true << "" << home << plans;
        QTest::newRow("a document onto the shown folder, from another browser")
            << "Notes" << 0 << false << "57/-22" << QStringList({"Plans", "Archive", "Budget", "Agenda", "Notes"})
            << QStringList({"Drafts"});
    }

    void moves()
    {
        QFETCH(QString, what);
        QFETCH(int, into);
        QFETCH(bool, fromSidePane);
        QFETCH(QString, request);
        QFETCH(QStringList, home);
        QFETCH(QStringList, plans);
        addHomeContent();
        DocumentBrowserView *showingPlans = browserAtHome();
        QVERIFY(showingPlans);
        MainPane(showingPlans)->openItem(Item(MainPane(showingPlans), QStringLiteral("Plans")));
        DocumentBrowserView *other = browserAtHome();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(other && window);
        QListWidget *source = Item(MainPane(window), what) ? MainPane(window) : MainPane(showingPlans);
        const QListWidgetItem *dragged = Item(source, what);
        QVERIFY(dragged);
        server().clearRequests();
        DialogAnswerer answerer;

        // What a drop hands the window: the record the dragged item holds.
        DocumentBrowserView *target = fromSidePane ? showingPlans : window;
        if (dragged->type() == DocumentItemType) {
            const auto document = *itemrecord::FromVariant<qorv::data::Document>(dragged->data(DocumentRole));
            if (fromSidePane)
                emit SidePane(target)->moveDocument(document, into);
            else if (into == 0)
                emit MainPane(target)->moveDocument(document);
            else
                emit MainPane(target)->moveDocument(document, into);
        } else {
            const auto folder = *itemrecord::FromVariant<qorv::data::Folder>(dragged->data(FolderRole));
            if (fromSidePane)
                emit SidePane(target)->moveFolder(folder, into);
            else
                emit MainPane(target)->moveFolder(folder, into);
        }

        QVERIFY(answerer.sawNoDialog());
        QStringList changes = Requests(server());
        changes.removeAll(QStringLiteral("44/1")); // the walks up the folder tree
        QCOMPARE(changes, request.isEmpty() ? QStringList() : QStringList({request}));
        QCOMPARE(Texts(MainPane(window)), home);
        QCOMPARE(Texts(MainPane(other)), home);
        QCOMPARE(Texts(MainPane(showingPlans)), plans);
        if (request == QLatin1String("60/-23")) {
            const auto moved =
                Sent<qorv::data::UpdateFolderRequest>(server(), common::op::UpdateFolder).first().folder();
            QCOMPARE(moved.folder_parent_id(), into);
            QCOMPARE(moved.folder_name(), what.toStdString());
            QCOMPARE(directory().folder(Archive).folder_parent_id(), Plans);
        }
        if (request == QLatin1String("57/-22")) {
            const auto moved =
                Sent<qorv::data::UpdateDocumentRequest>(server(), common::op::UpdateDocument).first().document();
            QCOMPARE(moved.document_folder_id(), into == 0 ? Home : into);
            QCOMPARE(moved.document_name(), what.toStdString());
        }
    }

    void movingTheShownFolderLeavesItsPane()
    {
        addHomeContent();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        MainPane(window)->openItem(Item(MainPane(window), QStringLiteral("Plans")));
        server().clearRequests();

        emit SidePane(window)->moveFolder(directory().folder(Plans), Archive);

        QCOMPARE(Requests(server()).filter(QStringLiteral("60/")), QStringList({"60/-23"}));
        QCOMPARE(directory().folder(Plans).folder_parent_id(), Archive);
        QCOMPARE(Texts(MainPane(window)), QStringList({"Drafts", "Notes"}));
    }

    void aMoveOntoATakenNameIsReported()
    {
        addHomeContent();
        directory().addDocument(24, Plans, "Budget");
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);

        emit MainPane(window)->moveDocument(directory().document(Budget), Plans);

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastText(), QStringLiteral("A document named 'Budget' already exists."));
        QVERIFY(Item(MainPane(window), QStringLiteral("Budget")));
    }

    // A document saved in its editor refreshes it in every browser.
    void aSavedDocumentIsRefreshedEverywhere()
    {
        addHomeContent();
        DocumentBrowserView *other = browserAtHome();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(other && window);
        qorv::data::UpdateDocumentRequest save;
        *save.mutable_document() = directory().document(Budget);
        save.mutable_document()->set_document_name("Budget (final)");
        save.mutable_document()->set_document_description("Agreed");
        qorv::data::UpdateDocumentReply done;
        done.set_return_code(1);

        m_bus.bus().findChild<ServiceConnector *>()->receiveReply(common::op::UpdateDocument, common::tag::SaveAndClose,
                                                                  save.SerializeAsString(), 0, 0,
                                                                  done.SerializeAsString());

        for (const DocumentBrowserView *browser : {window, other}) {
            const QListWidgetItem *item = MainPane(browser)->item(2);
            QCOMPARE(item->text(), QStringLiteral("Budget (final)"));
            QCOMPARE(item->toolTip(), QStringLiteral("Agreed"));
        }
    }

    // Searching

    void search_data()
    {
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("title"); // empty: no dialog
        QTest::newRow("the home folder") << "Home Folder"
                                         << "Search for Documents in 'Home Folder'";
        QTest::newRow("a folder") << "Plans"
                                  << "Search for Documents in 'Plans'";
        QTest::newRow("a folder key") << "Shared"
                                      << "Search for Documents in 'Shared'";
        QTest::newRow("the home groups") << "Home Groups"
                                         << "";
        QTest::newRow("a group") << "Accounts"
                                 << "";
    }

    void search()
    {
        QFETCH(QString, shortcut);
        QFETCH(QString, title);
        addHomeContent();
        addKeysAndGroups();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        emit MainPane(window)->addFolderShortcutItem(directory().folder(Plans));
        emit MainPane(window)->addGroupKeyShortcutItem([] {
            qorv::data::GroupKey key;
            key.mutable_group_key_group()->set_group_id(30);
            key.mutable_group_key_group()->set_group_name("Accounts");
            return key;
        }());
        emit window->addFolderKeyShortcutItem(SharedFolderKey(KeyRules().permissions(0x41).descriptor()));
        Click(SidePane(window), shortcut);
        DialogAnswerer answerer;
        if (!title.isEmpty())
            answerer.expect(SearchAndOpenFirst());
        server().clearRequests();

        window->folderDocumentSearch();

        if (title.isEmpty()) {
            QVERIFY(!Command(window, "FolderDocumentSearchItem")->isEnabled());
            QVERIFY(answerer.sawNoDialog());
            QVERIFY(server().requests().empty());
            return;
        }
        QVERIFY(Command(window, "FolderDocumentSearchItem")->isEnabled());
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), title);
        // The search itself, then the opening of the document found.
        const QStringList requests = Requests(server());
        QVERIFY(requests.size() >= 2);
        if (shortcut == QLatin1String("Shared")) {
            // An emphasised key is cleared once opened.
            QCOMPARE(requests.mid(0, 2), QStringList({"40/1", "40/-35"}));
        } else {
            QCOMPARE(requests, QStringList({"41/1", "41/-35"}));
            const int folderId = shortcut == QLatin1String("Plans") ? Plans : Home;
            QCOMPARE(Sent<qorv::data::SelectDocumentRequest>(server(), common::op::SelectDocument)
                         .first()
                         .document_folder_id(),
                     folderId);
        }
    }

    void aRejectedSearchOpensNothing()
    {
        addHomeContent();
        DocumentBrowserView *window = browserAtHome();
        QVERIFY(window);
        server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(Close());

        Command(window, "FolderDocumentSearchItem")->trigger();

        QVERIFY(answerer.waitForAll());
        QVERIFY(server().requests().empty());
    }
};

QTEST_MAIN(TestDocumentBrowser)
#include "tst_documentbrowser.moc"
