#include "common/majorcode.h"
#include "common/minortag.h"
#include "createdocumentkeywizard.h"
#include "createfolderkeywizard.h"
#include "dialoganswerer.h"
#include "documentkeyringpanetreewidget.h"
#include "documentkeyringview.h"
#include "folderkeyringpanetreewidget.h"
#include "folderkeyringview.h"
#include "keyringbus.h"
#include "keyrules.h"
#include "layoutcheck.h"
#include "scopedclock.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectfolderkeyuserwizardpage.h"
#include "selectuserswidget.h"
#include "serialized.h"
#include "testenvironment.h"

#include "common/sqlc.h"

#include "deletedocumentkeyreply3.pb.h"
#include "deletedocumentkeyrequest3.pb.h"
#include "deletefolderkeyrequest3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatefolderkeyrequest3.pb.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTextDocument>
#include <QTimeEdit>
#include <QToolBar>
#include <QWizard>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;
using keystest::KeyringBus;
using testsupport::DialogAnswerer;
using testsupport::KeyRules;
using testsupport::Parsed;

namespace
{
constexpr int DocumentId = 31;
const std::string DocumentName = "Budget 2027";
constexpr int FolderId = 51;
const std::string FolderName = "Projects";

const qorv::data::User Ann = GroupDirectory::User(GroupDirectory::SessionUserId, "Ann", "B", "Lee");
const qorv::data::User Cy = GroupDirectory::User(7, "Cy", "", "Dee");
const qorv::data::User Eve = GroupDirectory::User(8, "Eve", "", "Fox");
const qorv::data::User Gus = GroupDirectory::User(9, "Gus", "J", "Hale");
const qorv::data::User Ivy = GroupDirectory::User(10, "Ivy", "", "Kay");

// The texts of a menu or tool bar, "-" for a separator.
QStringList Entries(const QList<QAction *> &actions)
{
    QStringList entries;
    for (const QAction *action : actions)
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

QMenu *Menu(const QMainWindow *window, int index)
{
    return window->menuBar()->actions().at(index)->menu();
}

QAction *Action(const QMainWindow *window, int menu, const QString &text)
{
    for (QAction *action : Menu(window, menu)->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QStringList Holders(const QTreeWidget *pane)
{
    QStringList holders;
    for (int row = 0; row < pane->topLevelItemCount(); ++row)
        holders.append(pane->topLevelItem(row)->text(0));
    return holders;
}

// What a message box shows of a text that it reads as rich text.
QString Plain(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// Ticks or unticks a box as the user does: the view changes the box, then
// reports the click.
void Click(QTreeWidget *tree, QTreeWidgetItem *item, int column)
{
    item->setCheckState(column, item->checkState(column) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    emit tree->itemClicked(item, column);
}

// Finishes the wizard that the window runs after the test has set it up.
DialogAnswerer::Action Finish(std::function<void(QWizard *)> setUp)
{
    return [setUp](QWidget *dialog) {
        auto *wizard = qobject_cast<QWizard *>(dialog);
        if (wizard == nullptr) {
            dialog->close();
            return;
        }
        setUp(wizard);
        wizard->accept();
    };
}

DialogAnswerer::Action Cancel()
{
    return [](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); };
}

DialogAnswerer::Action Press(int key)
{
    return [key](QWidget *dialog) { QTest::keyClick(dialog, static_cast<Qt::Key>(key)); };
}

void DestroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

// The keyring windows of a document and of a folder on the whole bus, against
// a test server that keeps the keys: what they show, what they send, which
// replies they take, how they report what the server did not do, and the
// question when they are closed with unsaved changes.
class TestKeyringWindows : public QObject
{
    Q_OBJECT

private:
    KeyringBus m_bus;
    std::unique_ptr<testsupport::ScopedClock> m_clock;

    DocumentKeyringView *documentKeyring()
    {
        DocumentKeyringView *window = m_bus.openDocumentKeyring(DocumentId, DocumentName);
        if (window == nullptr)
            qWarning("no document keyring opened");
        return window;
    }

    FolderKeyringView *folderKeyring()
    {
        FolderKeyringView *window = m_bus.openFolderKeyring(FolderId, FolderName);
        if (window == nullptr)
            qWarning("no folder keyring opened");
        return window;
    }

    static DocumentKeyringPaneTreeWidget *Pane(const DocumentKeyringView *window)
    {
        return window->findChild<DocumentKeyringPaneTreeWidget *>();
    }

    static FolderKeyringPaneTreeWidget *Pane(const FolderKeyringView *window)
    {
        return window->findChild<FolderKeyringPaneTreeWidget *>();
    }

private slots:
    void initTestCase() { QVERIFY(KeyringBus::setUpLikeTheProgram()); }

    void init()
    {
        m_clock = std::make_unique<testsupport::ScopedClock>(testsupport::UtcInstant(2027, 1, 4, 12));
        QVERIFY(m_bus.start());
        for (const qorv::data::User &user : {Cy, Eve, Gus, Ivy})
            m_bus.directory().addUser(user);
        m_bus.directory().addHomeGroup(10, "Alpha", {GroupDirectory::SessionUserId, 7, 8, 9, 10});
        for (const qorv::data::User &holder : {Cy, Eve, Gus})
            m_bus.store().addDocumentKey(
                KeyringBus::DocumentKey(DocumentId, DocumentName, holder, Ann, KeyRules().descriptor()));
        // Stored in another order than the keyring shows them.
        for (const qorv::data::User &holder : {Gus, Cy, Eve})
            m_bus.store().addFolderKey(
                KeyringBus::FolderKey(FolderId, FolderName, holder, Ann, KeyRules().permissions(0x41).descriptor()));
        // Keys of other objects, which the keyrings never show.
        m_bus.store().addDocumentKey(KeyringBus::DocumentKey(32, "Other", Ivy, Ann, KeyRules().descriptor()));
        m_bus.store().addFolderKey(KeyringBus::FolderKey(52, "Other", Ivy, Ann, KeyRules().descriptor()));
        m_bus.server().clearRequests();
    }

    void cleanup()
    {
        m_bus.stop();
        m_clock.reset();
    }

    // Enabled states

    // The key commands are enabled only with something to act on. Each row
    // opens a keyring (document 31 or 33, which has no keys, or folder 51),
    // changes one key's first permission without saving it (ticked) and puts
    // the cursor on one key (current); -1 stands for none. The states read
    // Revert, Revert All, Save, Save All, the four key changes and Delete.
    void keyCommandsNeedSomethingToActOn_data()
    {
        QTest::addColumn<int>("object");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("states");
        QTest::newRow("no keys") << 33 << -1 << -1 << "000000000";
        QTest::newRow("no key under the cursor") << DocumentId << -1 << -1 << "000000000";
        QTest::newRow("an unchanged key") << DocumentId << -1 << 0 << "000011111";
        QTest::newRow("a changed key") << DocumentId << 1 << 1 << "111111111";
        QTest::newRow("another key changed") << DocumentId << 1 << 0 << "010111111";
        QTest::newRow("a changed key not under the cursor") << DocumentId << 1 << -1 << "010100000";
        QTest::newRow("folder, no key under the cursor") << FolderId << -1 << -1 << "000000000";
        QTest::newRow("folder, an unchanged key") << FolderId << -1 << 2 << "000011111";
        QTest::newRow("folder, a changed key") << FolderId << 0 << 0 << "111111111";
    }

    void keyCommandsNeedSomethingToActOn()
    {
        QFETCH(int, object);
        QFETCH(int, ticked);
        QFETCH(int, current);
        QFETCH(QString, states);
        KeyringView *window = nullptr;
        QTreeWidget *pane = nullptr;
        if (object == FolderId) {
            FolderKeyringView *folder = folderKeyring();
            window = folder;
            pane = folder ? Pane(folder) : nullptr;
        } else {
            DocumentKeyringView *document = m_bus.openDocumentKeyring(object, DocumentName);
            window = document;
            pane = document ? Pane(document) : nullptr;
        }
        QVERIFY(window && pane);
        if (ticked >= 0)
            Click(pane, pane->topLevelItem(ticked)->child(0)->child(0), 0);
        pane->setCurrentItem(current >= 0 ? pane->topLevelItem(current) : nullptr);

        const auto read = [window] {
            QString read;
            for (const auto &[menu, text] : {std::pair{0, "Revert"},
                                             {0, "Revert All"},
                                             {0, "Save"},
                                             {0, "Select All"},
                                             {1, "Set Active Hours..."},
                                             {1, "Set Session Duration..."},
                                             {1, "Set Expiration Date..."},
                                             {1, "Set Passcode..."},
                                             {1, "Delete"}}) {
                const QAction *action = Action(window, menu, QLatin1String(text));
                read.append(action == nullptr     ? QLatin1Char('?')
                            : action->isEnabled() ? QLatin1Char('1')
                                                  : QLatin1Char('0'));
            }
            return read;
        };
        QTRY_COMPARE(read(), states);
        if (object != FolderId)
            QCOMPARE(Action(window, 1, QStringLiteral("Set Revision..."))->isEnabled(), current >= 0);
    }

    // Opening

    void documentKeyringOpensWithTheKeysOfItsDocument()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        QCOMPARE(window->getDocumentId(), DocumentId);
        QCOMPARE(window->getDocumentName(), QString::fromStdString(DocumentName));
        QCOMPARE(window->windowTitle(), QStringLiteral("Budget 2027 Document Keyring [127.0.0.1]"));
        QCOMPARE(Holders(Pane(window)), (QStringList{"Dee, Cy", "Fox, Eve", "Hale, Gus J"}));
        QVERIFY(!window->isModified());

        // The translation shows three keys as they are, and "SaveAll" as
        // "Select All".
        QCOMPARE(Entries(Menu(window, 0)->actions()),
                 (QStringList{"-", "New...", "-", "Revert", "Revert All", "-", "Save", "Select All", "-", "Close"}));
        QCOMPARE(Entries(Menu(window, 1)->actions()),
                 (QStringList{"Set Revision...", "Set Active Hours...", "Set Session Duration...",
                              "Set Expiration Date...", "Set Passcode...", "-", "Delete"}));
        QCOMPARE(Entries(Menu(window, 2)->actions()),
                 (QStringList{"View Months", "View Days", "-", "View Permissions"}));
        QVERIFY(!window->menuBar()->actions().at(3)->isVisible());
        QCOMPARE(Entries(window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"))->actions()),
                 (QStringList{"New...", "-", "Save", "Select All", "-", "Set Revision...", "Set Active Hours...",
                              "Set Session Duration...", "Set Expiration Date...", "Set Passcode...", "-", "Delete",
                              "-", "View Months", "View Days", "View Permissions"}));
        QCOMPARE(Action(window, 0, QStringLiteral("Revert"))->statusTip(), QStringLiteral("RevertStatusTip"));

        // The view actions drive the pane's subtrees however they change.
        QTreeWidgetItem *row = Pane(window)->topLevelItem(0);
        Action(window, 2, QStringLiteral("View Days"))->setChecked(true);
        QVERIFY(row->isExpanded() && row->child(1)->isExpanded() && !row->child(2)->isExpanded());
    }

    void folderKeyringOpensWithItsKeysInNameOrder()
    {
        FolderKeyringView *window = folderKeyring();
        QVERIFY(window);
        QCOMPARE(window->getFolderId(), FolderId);
        QCOMPARE(window->windowTitle(), QStringLiteral("Projects Folder Keyring [127.0.0.1]"));
        QCOMPARE(Holders(Pane(window)), (QStringList{"Dee, Cy", "Fox, Eve", "Hale, Gus J"}));
        QCOMPARE(Entries(Menu(window, 0)->actions()),
                 (QStringList{"-", "New...", "-", "Revert", "Revert All", "-", "Save", "Select All", "-", "Close"}));
        QCOMPARE(Entries(Menu(window, 1)->actions()),
                 (QStringList{"Set Active Hours...", "Set Session Duration...", "Set Expiration Date...",
                              "Set Passcode...", "-", "Delete"}));
        QCOMPARE(Entries(window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"))->actions()),
                 (QStringList{"New...", "-", "Save", "Select All", "-", "Set Active Hours...",
                              "Set Session Duration...", "Set Expiration Date...", "Set Passcode...", "-", "Delete",
                              "-", "View Months", "View Days", "View Permissions"}));
    }

    // A keyring of thousands of keys opens in the state a short one does:
    // every key once, the document's in the server's order, the folder's in
    // name order, no key current and the columns fitted to their contents;
    // a key that comes later is appended and the columns follow it.
    void longKeyringsOpenWithEveryKey_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("document") << false;
        QTest::newRow("folder") << true;
    }

    void longKeyringsOpenWithEveryKey()
    {
        QFETCH(bool, folder);
        constexpr int Keys = 2000;
        QStringList holders{"Dee, Cy", "Fox, Eve", "Hale, Gus J"};
        for (int n = 0; n < Keys; ++n) {
            const std::string last =
                QStringLiteral("M%1").arg((n * 7919) % Keys, 4, 10, QLatin1Char('0')).toStdString();
            const qorv::data::User holder = GroupDirectory::User(1000 + n, "U", "", last);
            if (folder)
                m_bus.store().addFolderKey(
                    KeyringBus::FolderKey(FolderId, FolderName, holder, Ann, KeyRules().descriptor()));
            else
                m_bus.store().addDocumentKey(
                    KeyringBus::DocumentKey(DocumentId, DocumentName, holder, Ann, KeyRules().descriptor()));
            holders.append(QString::fromStdString(last) + QStringLiteral(", U"));
        }
        if (folder)
            holders.sort();
        const qorv::data::User late = GroupDirectory::User(5000, "A", "", std::string(80, 'W'));

        QTreeWidget *pane = nullptr;
        if (folder) {
            FolderKeyringView *window = folderKeyring();
            QVERIFY(window);
            pane = Pane(window);
            QCOMPARE(Holders(pane), holders);
            QVERIFY(pane->currentItem() == nullptr);
            QVERIFY(testsupport::ColumnsFitTheirContents(pane));
            emit window->addFolderKey(KeyringBus::FolderKey(FolderId, FolderName, late, Ann, KeyRules().descriptor()));
        } else {
            DocumentKeyringView *window = documentKeyring();
            QVERIFY(window);
            pane = Pane(window);
            QCOMPARE(Holders(pane), holders);
            QVERIFY(pane->currentItem() == nullptr);
            QVERIFY(testsupport::ColumnsFitTheirContents(pane));
            emit window->addDocumentKey(
                KeyringBus::DocumentKey(DocumentId, DocumentName, late, Ann, KeyRules().descriptor()));
        }

        holders.append(QStringLiteral("%1, A").arg(QString(80, QLatin1Char('W'))));
        QCOMPARE(Holders(pane), holders);
        QVERIFY(testsupport::ColumnsFitTheirContents(pane));
    }

    // Saving

    void documentSaveAllSendsEveryKey()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        DialogAnswerer answerer;
        window->saveAllKeys();
        const QList<testsupport::TestRequest> updates = m_bus.requests(common::op::UpdateDocumentKey);
        QCOMPARE(updates.size(), 3);
        QList<int> holders;
        for (const testsupport::TestRequest &update : updates) {
            QCOMPARE(update.minorOpcode, common::tag::Plain);
            holders.append(Parsed<qorv::data::UpdateDocumentKeyRequest>(update.payload)
                               .document_key()
                               .document_key_user()
                               .user_id());
        }
        QCOMPARE(holders, (QList<int>{7, 8, 9}));
        QVERIFY(answerer.sawNoDialog());
    }

    void folderSaveAllSendsOnlyTheChangedKeys()
    {
        FolderKeyringView *window = folderKeyring();
        QVERIFY(window);
        DialogAnswerer answerer;
        window->saveAllKeys();
        QCOMPARE(m_bus.requests(common::op::UpdateFolderKey).size(), 0);

        // Unticking and ticking again leaves nothing to save.
        FolderKeyringPaneTreeWidget *pane = Pane(window);
        QTreeWidgetItem *search = pane->topLevelItem(0)->child(0)->child(1);
        Click(pane, search, 0);
        Click(pane, search, 0);
        window->saveAllKeys();
        QCOMPARE(m_bus.requests(common::op::UpdateFolderKey).size(), 0);

        Click(pane, pane->topLevelItem(1)->child(0)->child(1), 0);
        QVERIFY(window->isModified());
        window->saveAllKeys();
        const QList<testsupport::TestRequest> updates = m_bus.requests(common::op::UpdateFolderKey);
        QCOMPARE(updates.size(), 1);
        const qorv::data::FolderKey sent = Parsed<qorv::data::UpdateFolderKeyRequest>(updates[0].payload).folder_key();
        QCOMPARE(sent.folder_key_user().user_id(), 8);
        QCOMPARE(sent.folder_key_security_descriptor().permissions(), 1u);
        QVERIFY(!window->isModified());
        QCOMPARE(m_bus.store().folderKeys(FolderId).at(2).folder_key_security_descriptor().permissions(), 1u);
        QVERIFY(answerer.sawNoDialog());
    }

    void savedChangeBecomesTheSavedKey()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        DocumentKeyringPaneTreeWidget *pane = Pane(window);
        QTreeWidgetItem *row = pane->topLevelItem(1);
        QTreeWidgetItem *update = row->child(0)->child(1);
        Click(pane, update, 0);
        QVERIFY(window->isModified());

        // The cursor on a leaf saves that leaf's key.
        DialogAnswerer answerer;
        pane->setCurrentItem(update);
        window->saveKey();
        const QList<testsupport::TestRequest> updates = m_bus.requests(common::op::UpdateDocumentKey);
        QCOMPARE(updates.size(), 1);
        const qorv::data::DocumentKey sent =
            Parsed<qorv::data::UpdateDocumentKeyRequest>(updates[0].payload).document_key();
        QCOMPARE(sent.document_key_user().user_id(), 8);
        QCOMPARE(sent.document_key_security_descriptor().permissions(), 3u);
        QCOMPARE(GetDocumentKeyBase(row).SerializeAsString(), sent.SerializeAsString());
        QCOMPARE(GetDocumentKey(row).SerializeAsString(), sent.SerializeAsString());
        QVERIFY(!window->isModified());
        QVERIFY(answerer.sawNoDialog());
    }

    void revertDiscardsTheChangesOnly()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        m_bus.server().clearRequests();
        DocumentKeyringPaneTreeWidget *pane = Pane(window);
        Click(pane, pane->topLevelItem(0)->child(0)->child(0), 0);
        Click(pane, pane->topLevelItem(2), 1);
        pane->setCurrentItem(pane->topLevelItem(0)->child(0));
        window->revertKey();
        QCOMPARE(pane->topLevelItem(0)->child(0)->child(0)->checkState(0), Qt::Checked);
        QVERIFY(window->isModified());
        window->revertAllKeys();
        QVERIFY(!window->isModified());
        QCOMPARE(pane->topLevelItem(2)->checkState(1), Qt::Checked);
        QVERIFY(m_bus.server().requests().empty());
    }

    // A change the server does not make is never passed off as made.
    void refusedSaveIsReported_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("SQL error") << "sqlc";
        QTest::newRow("error pair") << "pair";
        QTest::newRow("no answer") << "silence";
    }

    void refusedSaveIsReported()
    {
        QFETCH(QString, refusal);
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        DocumentKeyringPaneTreeWidget *pane = Pane(window);
        QTreeWidgetItem *row = pane->topLevelItem(0);
        Click(pane, row->child(0)->child(1), 0);
        if (refusal == QLatin1String("sqlc"))
            m_bus.store().refuse(common::op::UpdateDocumentKey, common::SqlcForeignKeyViolation);
        else if (refusal == QLatin1String("pair"))
            m_bus.server().reply(common::op::UpdateDocumentKey, common::tag::Plain, std::string(), 0, 4);
        else
            m_bus.server().injectFault(testsupport::TestFault::noAnswer());

        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        pane->setCurrentItem(row);
        window->saveKey();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen()[0].title, QStringLiteral("Warning"));
        QCOMPARE(answerer.seen()[0].text, QStringLiteral("These keys could not be saved; their changes are kept:"));
        QCOMPARE(Plain(answerer.seen()[0].informativeText), QStringLiteral("Cy Dee"));
        QVERIFY(window->isModified());
        QVERIFY(GetDocumentKey(row).document_key_security_descriptor().permissions() == 3u);
    }

    // Replies

    // Every window sees every reply; a keyring takes up only a key change
    // that the server made (no error pair, no SQL error, a readable request
    // and reply), that was sent as a plain request, and that concerns its own
    // document: whichever window sent it.
    void repliesTakenOnlyWhenTheyAreForThisKeyringAndCarriedOut_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("documentId");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<int>("sqlc");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("taken");

        for (const int major :
             {common::op::InsertDocumentKey, common::op::UpdateDocumentKey, common::op::DeleteDocumentKey}) {
            const QByteArray name = major == common::op::InsertDocumentKey   ? "insert"
                                    : major == common::op::UpdateDocumentKey ? "update"
                                                                             : "delete";
            QTest::addRow("%s", name.constData())
                << major << common::tag::Plain << DocumentId << 0 << 0 << 0 << true << true;
            QTest::addRow("%s, another document", name.constData())
                << major << common::tag::Plain << DocumentId + 1 << 0 << 0 << 0 << true << false;
            QTest::addRow("%s, error pair", name.constData())
                << major << common::tag::Plain << DocumentId << 0 << 7 << 0 << true << false;
            QTest::addRow("%s, no valid reply", name.constData())
                << major << common::tag::Plain << DocumentId << -1 << 1 << 0 << true << false;
            QTest::addRow("%s, SQL error", name.constData())
                << major << common::tag::Plain << DocumentId << 0 << 0 << common::SqlcUniqueViolation << true << false;
            QTest::addRow("%s, tagged", name.constData())
                << major << common::tag::ClearEmphasizeName << DocumentId << 0 << 0 << 0 << true << false;
            QTest::addRow("%s, unreadable", name.constData())
                << major << common::tag::Plain << DocumentId << 0 << 0 << 0 << false << false;
        }
    }

    void repliesTakenOnlyWhenTheyAreForThisKeyringAndCarriedOut()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, documentId);
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(int, sqlc);
        QFETCH(bool, readable);
        QFETCH(bool, taken);
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        DocumentKeyringPaneTreeWidget *pane = Pane(window);

        // Eve's key with a session duration, or Ivy's new key.
        qorv::data::DocumentKey key = KeyringBus::DocumentKey(
            documentId, DocumentName, major == common::op::InsertDocumentKey ? Ivy : Eve, Ann, KeyRules().descriptor());
        key.mutable_document_key_security_descriptor()->set_session_duration(3600);
        std::string request;
        std::string reply;
        if (major == common::op::InsertDocumentKey) {
            qorv::data::InsertDocumentKeyRequest insert;
            *insert.mutable_document_key() = key;
            request = insert.SerializeAsString();
            qorv::data::InsertDocumentKeyReply answer;
            answer.mutable_sql_diag_rec()->set_sqlc(sqlc);
            reply = answer.SerializeAsString();
        } else if (major == common::op::UpdateDocumentKey) {
            qorv::data::UpdateDocumentKeyRequest update;
            *update.mutable_document_key() = key;
            request = update.SerializeAsString();
            qorv::data::UpdateDocumentKeyReply answer;
            answer.mutable_sql_diag_rec()->set_sqlc(sqlc);
            reply = answer.SerializeAsString();
        } else {
            qorv::data::DeleteDocumentKeyRequest erase;
            erase.set_document_key_document_id(documentId);
            erase.set_document_key_user_id(Eve.user_id());
            request = erase.SerializeAsString();
            qorv::data::DeleteDocumentKeyReply answer;
            answer.mutable_sql_diag_rec()->set_sqlc(sqlc);
            reply = answer.SerializeAsString();
        }
        if (!readable)
            (major == common::op::UpdateDocumentKey ? reply : request) = std::string("\x0a\xff", 2);

        DialogAnswerer answerer;
        window->receiveReply(major, minor, request, majorErcode, minorErcode, reply);

        const QStringList unchanged{"Dee, Cy", "Fox, Eve", "Hale, Gus J"};
        if (major == common::op::InsertDocumentKey)
            QCOMPARE(Holders(pane),
                     taken ? (QStringList{"Dee, Cy", "Fox, Eve", "Hale, Gus J", "Kay, Ivy"}) : unchanged);
        else if (major == common::op::DeleteDocumentKey)
            QCOMPARE(Holders(pane), taken ? (QStringList{"Dee, Cy", "Hale, Gus J"}) : unchanged);
        else
            QCOMPARE(pane->topLevelItem(1)->text(5), taken ? QStringLiteral("1 hour") : QString());
        // Another window's change: nobody is told about it here.
        QVERIFY(answerer.sawNoDialog());
    }

    void folderRepliesTakenOnlyForThisFolder()
    {
        FolderKeyringView *window = folderKeyring();
        QVERIFY(window);
        qorv::data::DeleteFolderKeyRequest erase;
        erase.set_folder_key_folder_id(FolderId + 1);
        erase.set_folder_key_user_id(Eve.user_id());
        window->receiveReply(common::op::DeleteFolderKey, common::tag::Plain, erase.SerializeAsString(), 0, 0,
                             std::string());
        QCOMPARE(Holders(Pane(window)).size(), 3);
        window->receiveReply(common::op::DeleteFolderKey, common::tag::ClearEmphasizeName, erase.SerializeAsString(), 0,
                             0, std::string());
        QCOMPARE(Holders(Pane(window)).size(), 3);
        erase.set_folder_key_folder_id(FolderId);
        window->receiveReply(common::op::DeleteFolderKey, common::tag::Plain, erase.SerializeAsString(), 0, 3,
                             std::string());
        QCOMPARE(Holders(Pane(window)).size(), 3);
        window->receiveReply(common::op::DeleteFolderKey, common::tag::Plain, erase.SerializeAsString(), 0, 0,
                             std::string());
        QCOMPARE(Holders(Pane(window)), (QStringList{"Dee, Cy", "Hale, Gus J"}));

        qorv::data::InsertFolderKeyRequest insert;
        *insert.mutable_folder_key() = KeyringBus::FolderKey(FolderId, FolderName, Ivy, Ann, KeyRules().descriptor());
        window->receiveReply(common::op::InsertFolderKey, common::tag::Plain, insert.SerializeAsString(), 0, 0,
                             std::string());
        QCOMPARE(Holders(Pane(window)), (QStringList{"Dee, Cy", "Hale, Gus J", "Kay, Ivy"}));
    }

    // Deleting

    void deleteKey_data()
    {
        QTest::addColumn<int>("answer"); // a button, or a key pressed in the box
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("holders");

        const QStringList all{"Dee, Cy", "Fox, Eve", "Hale, Gus J"};
        QTest::newRow("OK") << int(QMessageBox::Ok) << false << false << QStringList{"Dee, Cy", "Hale, Gus J"};
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false << false << all;
        QTest::newRow("Enter cancels") << int(Qt::Key_Return) << true << false << all;
        QTest::newRow("refused") << int(QMessageBox::Ok) << false << true << all;
    }

    void deleteKey()
    {
        QFETCH(int, answer);
        QFETCH(bool, byKey);
        QFETCH(bool, refused);
        QFETCH(QStringList, holders);
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        if (refused)
            m_bus.store().refuse(common::op::DeleteDocumentKey, common::SqlcForeignKeyViolation);
        DocumentKeyringPaneTreeWidget *pane = Pane(window);
        pane->setCurrentItem(pane->topLevelItem(1)->child(2)->child(3));

        DialogAnswerer answerer;
        if (byKey)
            answerer.expect(Press(answer));
        else
            answerer.expect(static_cast<QMessageBox::StandardButton>(answer));
        if (refused)
            answerer.expect(QMessageBox::Ok);
        window->deleteKey();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen()[0].text, QStringLiteral("Delete Document Key Confirmation"));
        QCOMPARE(Plain(answerer.seen()[0].informativeText), QStringLiteral("Delete document key for Eve Fox?"));
        QCOMPARE(Holders(pane), holders);
        const QList<testsupport::TestRequest> deletes = m_bus.requests(common::op::DeleteDocumentKey);
        const bool sent = answer == QMessageBox::Ok;
        QCOMPARE(deletes.size(), sent ? 1 : 0);
        if (sent) {
            const auto request = Parsed<qorv::data::DeleteDocumentKeyRequest>(deletes[0].payload);
            QCOMPARE(request.document_key_document_id(), DocumentId);
            QCOMPARE(request.document_key_user_id(), 8);
        }
        if (refused) {
            QCOMPARE(answerer.seen().size(), 2);
            QCOMPARE(answerer.seen()[1].text, QStringLiteral("This key could not be deleted:"));
            QCOMPARE(Plain(answerer.seen()[1].informativeText), QStringLiteral("Eve Fox"));
        }
    }

    void folderDeleteAsksByName()
    {
        FolderKeyringView *window = folderKeyring();
        QVERIFY(window);
        FolderKeyringPaneTreeWidget *pane = Pane(window);
        pane->setCurrentItem(pane->topLevelItem(2));
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        window->deleteKey();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen()[0].text, QStringLiteral("Delete Folder Key Confirmation"));
        QCOMPARE(Plain(answerer.seen()[0].informativeText), QStringLiteral("Delete folder key for Gus J Hale?"));
        QCOMPARE(Holders(pane), (QStringList{"Dee, Cy", "Fox, Eve"}));
        QCOMPARE(m_bus.store().folderKeys(FolderId).size(), 2);
    }

    // A name from the server is shown as the text it is, not as markup.
    void namesInTheBoxesAreEscaped()
    {
        const qorv::data::User marked = GroupDirectory::User(12, "<b>Bo</b>", "", "Ray & Co");
        m_bus.store().addDocumentKey(
            KeyringBus::DocumentKey(DocumentId, DocumentName, marked, Ann, KeyRules().descriptor()));
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        DocumentKeyringPaneTreeWidget *pane = Pane(window);
        pane->setCurrentItem(pane->topLevelItem(3));
        m_bus.store().refuse(common::op::DeleteDocumentKey, common::SqlcForeignKeyViolation);

        // What the labels of each box show, read as the labels read them.
        QStringList shown;
        const auto readLabels = [&shown](QWidget *dialog) {
            for (const QLabel *label : dialog->findChildren<QLabel *>()) {
                const bool rich = label->textFormat() == Qt::RichText
                                  || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
                if (rich) {
                    QTextDocument document;
                    document.setHtml(label->text());
                    shown.append(document.toPlainText());
                } else {
                    shown.append(label->text());
                }
            }
        };
        DialogAnswerer answerer;
        answerer.expect([&readLabels](QWidget *dialog) {
            readLabels(dialog);
            qobject_cast<QMessageBox *>(dialog)->button(QMessageBox::Ok)->click();
        });
        answerer.expect([&readLabels](QWidget *dialog) {
            readLabels(dialog);
            qobject_cast<QMessageBox *>(dialog)->button(QMessageBox::Ok)->click();
        });
        window->deleteKey();
        QVERIFY(answerer.waitForAll());
        QVERIFY2(shown.contains(QStringLiteral("Delete document key for <b>Bo</b> Ray & Co?")),
                 qPrintable(shown.join(QLatin1Char('|'))));
        QVERIFY2(shown.contains(QStringLiteral("<b>Bo</b> Ray & Co")), qPrintable(shown.join(QLatin1Char('|'))));
    }

    // Creating keys

    void newDocumentKeysThroughTheWizard()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        DialogAnswerer answerer;
        answerer.expect(Finish([](QWizard *dialog) {
            auto *wizard = qobject_cast<CreateDocumentKeyWizard *>(dialog);
            wizard->getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget()->addUser(Ivy);
            wizard->setField(QStringLiteral("permissionPrintDocumentContents"), true);
        }));
        window->newKey();
        QVERIFY(answerer.waitForAll());

        // The user page asked who holds a key already (after the select that
        // opened the keyring).
        const QList<testsupport::TestRequest> selects = m_bus.requests(common::op::SelectDocumentKey);
        QCOMPARE(selects.size(), 2);
        QCOMPARE(selects[1].minorOpcode, common::tag::Plain);
        QCOMPARE(Parsed<qorv::data::SelectDocumentKeyRequest>(selects[1].payload).document_key_document_id(),
                 DocumentId);
        const QList<testsupport::TestRequest> inserts = m_bus.requests(common::op::InsertDocumentKey);
        QCOMPARE(inserts.size(), 1);
        QCOMPARE(inserts[0].minorOpcode, common::tag::Plain);
        const qorv::data::DocumentKey sent =
            Parsed<qorv::data::InsertDocumentKeyRequest>(inserts[0].payload).document_key();
        QCOMPARE(sent.document_key_document().document_id(), DocumentId);
        QCOMPARE(sent.document_key_user().user_id(), Ivy.user_id());
        QCOMPARE(sent.document_key_security_descriptor().permissions(), 65u | (1u << 11));
        QCOMPARE(Holders(Pane(window)), (QStringList{"Dee, Cy", "Fox, Eve", "Hale, Gus J", "Kay, Ivy"}));
        QCOMPARE(m_bus.store().documentKeys(DocumentId).size(), 4);
    }

    void newFolderKeysThroughTheWizard()
    {
        FolderKeyringView *window = folderKeyring();
        QVERIFY(window);
        const qorv::data::User jo = GroupDirectory::User(11, "Jo", "", "Lark");
        DialogAnswerer answerer;
        answerer.expect(Finish([&jo](QWizard *dialog) {
            SelectUsersWidget *picker = qobject_cast<CreateFolderKeyWizard *>(dialog)
                                            ->getSelectFolderKeyUserWizardPage()
                                            ->getSelectUsersWidget();
            picker->addUser(Ivy);
            picker->addUser(jo);
        }));
        window->newKey();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_bus.requests(common::op::SelectFolderKey).size(), 2);
        const QList<testsupport::TestRequest> inserts = m_bus.requests(common::op::InsertFolderKey);
        QCOMPARE(inserts.size(), 2);
        // Each key in the picker's order, added as its reply comes.
        QCOMPARE(Holders(Pane(window)), (QStringList{"Dee, Cy", "Fox, Eve", "Hale, Gus J", "Kay, Ivy", "Lark, Jo"}));
        QCOMPARE(m_bus.store().folderKeys(FolderId).size(), 5);
    }

    void refusedNewKeysAreNamed()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        m_bus.store().refuse(common::op::InsertDocumentKey, common::SqlcUniqueViolation);
        DialogAnswerer answerer;
        answerer.expect(Finish([](QWizard *dialog) {
            SelectUsersWidget *picker = qobject_cast<CreateDocumentKeyWizard *>(dialog)
                                            ->getSelectDocumentKeyUserWizardPage()
                                            ->getSelectUsersWidget();
            picker->addUser(Ivy);
            picker->addUser(GroupDirectory::User(11, "Jo", "", "Lark"));
        }));
        answerer.expect(QMessageBox::Ok);
        window->newKey();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_bus.requests(common::op::InsertDocumentKey).size(), 2);
        QCOMPARE(answerer.seen()[1].text, QStringLiteral("No key could be created for these users:"));
        QCOMPARE(Plain(answerer.seen()[1].informativeText), QStringLiteral("Ivy Kay\nJo Lark"));
        QCOMPARE(Holders(Pane(window)).size(), 3);
    }

    void cancelledWizardSendsNothing()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        m_bus.server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(Cancel());
        window->newKey();
        QVERIFY(answerer.waitForAll());
        QVERIFY(m_bus.requests(common::op::InsertDocumentKey).isEmpty());
    }

    // Changing one rule of a key

    void documentKeyChanges_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QString>("cell"); // the duration cell after the change

        QTest::newRow("two hours") << "duration 2 1" << true << "2 hours";
        QTest::newRow("90 minutes") << "duration 90 0" << true << "90 minutes";
        QTest::newRow("hours running backwards") << "hours 17 9" << false << "";
        QTest::newRow("hours starting where they end") << "hours 9 9" << false << "";
        QTest::newRow("no restriction") << "unrestricted" << true << "";
        QTest::newRow("no passcode") << "no passcode" << true << "";
        QTest::newRow("current revision") << "revision" << true << "";
        QTest::newRow("cancelled") << "cancel" << false << "";
    }

    void documentKeyChanges()
    {
        QFETCH(QString, command);
        QFETCH(bool, sent);
        QFETCH(QString, cell);
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        DocumentKeyringPaneTreeWidget *pane = Pane(window);
        // The cursor on a month leaf changes that leaf's key.
        pane->setCurrentItem(pane->topLevelItem(2)->child(2)->child(5));
        m_bus.server().clearRequests();

        const QStringList words = command.split(QLatin1Char(' '));
        DialogAnswerer answerer;
        if (words[0] == QLatin1String("duration")) {
            answerer.expect(Finish([&words](QWizard *wizard) {
                wizard->setField(QStringLiteral("restrictedDuration"), true);
                wizard->setField(QStringLiteral("durationSpinBox"), words[1].toInt());
                wizard->setField(QStringLiteral("durationComboBox"), words[2].toInt());
            }));
            window->setSessionDuration();
        } else if (words[0] == QLatin1String("hours")) {
            answerer.expect(Finish([&words](QWizard *wizard) {
                wizard->setField(QStringLiteral("restrictedHours"), true);
                wizard->findChild<QTimeEdit *>(QStringLiteral("fromTimeEdit"))->setTime(QTime(words[1].toInt(), 0));
                wizard->findChild<QTimeEdit *>(QStringLiteral("toTimeEdit"))->setTime(QTime(words[2].toInt(), 0));
            }));
            window->setActiveHours();
        } else if (command == QLatin1String("unrestricted")) {
            answerer.expect(
                Finish([](QWizard *wizard) { wizard->setField(QStringLiteral("restrictedHours"), false); }));
            window->setActiveHours();
        } else if (command == QLatin1String("no passcode")) {
            answerer.expect(Finish([](QWizard *) {}));
            window->setPasscode();
        } else if (command == QLatin1String("revision")) {
            answerer.expect(Finish([](QWizard *) {}));
            window->setRevision();
        } else {
            answerer.expect(Cancel());
            window->setSessionDuration();
        }
        QVERIFY(answerer.waitForAll());

        const QList<testsupport::TestRequest> updates = m_bus.requests(common::op::UpdateDocumentKey);
        QCOMPARE(updates.size(), sent ? 1 : 0);
        QVERIFY(!window->isModified());
        QCOMPARE(pane->topLevelItem(2)->text(5), cell);
        if (!sent)
            return;
        const qorv::data::DocumentKey key =
            Parsed<qorv::data::UpdateDocumentKeyRequest>(updates[0].payload).document_key();
        const qorv::data::SecurityDescriptor &descriptor = key.document_key_security_descriptor();
        QCOMPARE(key.document_key_user().user_id(), Gus.user_id());
        if (command == QLatin1String("unrestricted")) {
            QCOMPARE(descriptor.active_from(), std::string("00:00:00"));
            QCOMPARE(descriptor.active_to(), std::string("00:00:00"));
            QVERIFY(descriptor.has_active_region() && descriptor.active_region().empty());
        } else if (command == QLatin1String("no passcode")) {
            QVERIFY(descriptor.has_password() && descriptor.password().empty());
        } else if (command == QLatin1String("revision")) {
            QCOMPARE(key.document_key_document_revision(), std::string("9999-12-31 00:00:00"));
        }
    }

    void expirationDateIsStoredAsTheUtcDayOnWhichTheLocalDayBegins()
    {
        DocumentKeyringView *window = documentKeyring();
        QVERIFY(window);
        Pane(window)->setCurrentItem(Pane(window)->topLevelItem(0));
        DialogAnswerer answerer;
        answerer.expect(Finish([](QWizard *wizard) {
            wizard->findChild<QAbstractButton *>(QStringLiteral("SelectExpirationDateRadioButton"))->click();
            wizard->setField(QStringLiteral("expirationDateCalendar"), QDate(2027, 12, 10));
        }));
        window->setExpirationDate();
        QVERIFY(answerer.waitForAll());
        const QList<testsupport::TestRequest> updates = m_bus.requests(common::op::UpdateDocumentKey);
        QCOMPARE(updates.size(), 1);
        // The tests run in Central European time, east of UTC.
        QCOMPARE(Parsed<qorv::data::UpdateDocumentKeyRequest>(updates[0].payload)
                     .document_key()
                     .document_key_security_descriptor()
                     .expiration_date(),
                 std::string("2027-12-09 00:00:00"));
        QCOMPARE(Pane(window)->topLevelItem(0)->text(6), QStringLiteral("2027-12-09 01:00:00"));
    }

    void folderKeyChangeToTheSavedValueSendsNothing()
    {
        FolderKeyringView *window = folderKeyring();
        QVERIFY(window);
        FolderKeyringPaneTreeWidget *pane = Pane(window);
        pane->setCurrentItem(pane->topLevelItem(0));
        DialogAnswerer answerer;
        answerer.expect(Finish([](QWizard *wizard) { wizard->setField(QStringLiteral("restrictedDuration"), false); }));
        window->setSessionDuration();
        QVERIFY(answerer.waitForAll());
        QVERIFY(m_bus.requests(common::op::UpdateFolderKey).isEmpty());

        answerer.expect(Finish([](QWizard *wizard) {
            wizard->setField(QStringLiteral("restrictedDuration"), true);
            wizard->setField(QStringLiteral("durationSpinBox"), 1);
            wizard->setField(QStringLiteral("durationComboBox"), 1);
        }));
        window->setSessionDuration();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_bus.requests(common::op::UpdateFolderKey).size(), 1);
        QCOMPARE(pane->topLevelItem(0)->text(4), QStringLiteral("1 hour"));

        // Reverted, the key has nothing left to save.
        Click(pane, pane->topLevelItem(0), 1);
        window->revertKey();
        window->saveKey();
        QCOMPARE(m_bus.requests(common::op::UpdateFolderKey).size(), 1);
        QVERIFY(answerer.unexpected().isEmpty());
    }

    // Closing

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("updates");

        QTest::newRow("nothing changed: no question") << false << "" << false << true << 0;
        QTest::newRow("Save") << true << "Save" << false << true << 3;
        QTest::newRow("Save, refused") << true << "Save" << true << false << 3;
        QTest::newRow("Discard") << true << "Discard" << false << true << 0;
        QTest::newRow("Cancel") << true << "Cancel" << false << false << 0;
        QTest::newRow("Escape") << true << "Escape" << false << false << 0;
    }

    void closeQuestion()
    {
        QFETCH(bool, modified);
        QFETCH(QString, answer);
        QFETCH(bool, refused);
        QFETCH(bool, closes);
        QFETCH(int, updates);
        QPointer<DocumentKeyringView> window = documentKeyring();
        QVERIFY(window);
        DocumentKeyringPaneTreeWidget *pane = Pane(window);
        if (modified)
            Click(pane, pane->topLevelItem(0)->child(1)->child(0), 1);
        if (refused)
            m_bus.store().refuse(common::op::UpdateDocumentKey, common::SqlcForeignKeyViolation);

        DialogAnswerer answerer;
        if (answer == QLatin1String("Save"))
            answerer.expect(QMessageBox::Save);
        else if (answer == QLatin1String("Discard"))
            answerer.expect(QMessageBox::Discard);
        else if (answer == QLatin1String("Cancel"))
            answerer.expect(QMessageBox::Cancel);
        else if (answer == QLatin1String("Escape"))
            answerer.expect(Press(Qt::Key_Escape));
        if (refused)
            answerer.expect(QMessageBox::Ok);

        QCOMPARE(window->close(), closes);
        QVERIFY(answerer.waitForAll());
        DestroyClosedWindows();
        QCOMPARE(window.isNull(), closes);
        QCOMPARE(m_bus.requests(common::op::UpdateDocumentKey).size(), updates);
        if (!answer.isEmpty()) {
            QCOMPARE(answerer.seen()[0].title, QStringLiteral("QuillaneClient"));
            QCOMPARE(answerer.seen()[0].text, QStringLiteral("Do you want to save your changes?"));
        }
        if (refused) {
            // The key stays modified, so closing asks again.
            QCOMPARE(answerer.seen()[1].text, QStringLiteral("These keys could not be saved; their changes are kept:"));
            QCOMPARE(Plain(answerer.seen()[1].informativeText), QStringLiteral("Cy Dee\nEve Fox\nGus J Hale"));
            QVERIFY(window->isModified());
        }
        if (!closes)
            QVERIFY(answerer.seen().size() >= 1);
    }
};

QTEST_MAIN(TestKeyringWindows)
#include "tst_keyringwindows.moc"
