#include "common/majorcode.h"
#include "common/minortag.h"
#include "cryptographer.h"
#include "dialoganswerer.h"
#include "documentkeyspanetreewidget.h"
#include "documentkeysview.h"
#include "folderkeyspanetreewidget.h"
#include "folderkeysview.h"
#include "keypad.h"
#include "keyringbus.h"
#include "keyrules.h"
#include "layoutcheck.h"
#include "scopedclock.h"
#include "serialized.h"
#include "testenvironment.h"

#include "common/sqlc.h"

#include "openfolderkeyrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <QAction>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;
using keystest::KeyringBus;
using testsupport::DialogAnswerer;
using testsupport::KeyRules;
using testsupport::Parsed;

namespace
{
const qorv::data::User Ann = GroupDirectory::User(GroupDirectory::SessionUserId, "Ann", "B", "Lee");
const qorv::data::User Bob = GroupDirectory::User(5, "Bob", "", "Nye");
const qorv::data::User Cy = GroupDirectory::User(7, "Cy", "", "Dee");
const qorv::data::User Eve = GroupDirectory::User(8, "Eve", "", "Fox");
const char *const Passcode = "2468";

QStringList Entries(const QList<QAction *> &actions)
{
    QStringList entries;
    for (const QAction *action : actions)
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

QStringList Texts(const QTreeWidgetItem *row, int columns)
{
    QStringList texts;
    for (int column = 0; column < columns; ++column)
        texts.append(row->text(column));
    return texts;
}

QStringList Rows(const QTreeWidget *pane, int column)
{
    QStringList rows;
    for (int row = 0; row < pane->topLevelItemCount(); ++row)
        rows.append(pane->topLevelItem(row)->text(column));
    return rows;
}

QString Checks(const QTreeWidgetItem *heading, int column)
{
    QString checks;
    for (int index = 0; index < heading->childCount(); ++index)
        checks += heading->child(index)->checkState(column) == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
    return checks;
}

// Every row of the tree, in pre-order.
QList<QTreeWidgetItem *> AllRows(const QTreeWidget *tree)
{
    QList<QTreeWidgetItem *> rows;
    std::function<void(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *item) {
        for (int index = 0; index < item->childCount(); ++index) {
            rows.append(item->child(index));
            walk(item->child(index));
        }
    };
    walk(tree->invisibleRootItem());
    return rows;
}

std::string StoredPasscode(const char *digits)
{
    const Cryptographer *cryptographer = CryptographerSingleton::instance();
    return cryptographer->encodePassword(cryptographer->hashPassword(digits).value());
}

DialogAnswerer::Action TypePasscode(const QString &keys)
{
    return [keys](QWidget *dialog) { testsupport::TypeOnKeypad(dialog, keys); };
}
}

// The panes and windows of the keys that other users gave to the logged-on
// user: what they show, how they read the keys from the test server (and say
// so when they cannot), and opening a document or folder through one of the
// keys.
class TestReceivedKeys : public QObject
{
    Q_OBJECT

private:
    KeyringBus m_bus;
    std::unique_ptr<testsupport::ScopedClock> m_clock;
    qorv::data::DocumentKey m_budget; // emphasized, no passcode
    qorv::data::DocumentKey m_plans;  // an earlier revision, a passcode
    qorv::data::DocumentKey m_expired;
    qorv::data::FolderKey m_projects;
    qorv::data::FolderKey m_shared; // a passcode

    static DocumentKeysPaneTreeWidget *Pane(const DocumentKeysView *window)
    {
        return window->findChild<DocumentKeysPaneTreeWidget *>();
    }

    static FolderKeysPaneTreeWidget *Pane(const FolderKeysView *window)
    {
        return window->findChild<FolderKeysPaneTreeWidget *>();
    }

    static QString RefreshFailure(const QMainWindow *window)
    {
        return window->findChild<QLabel *>(QStringLiteral("refreshFailedLabel"))->text();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(KeyringBus::setUpLikeTheProgram());
        m_budget = KeyringBus::DocumentKey(7, "Budget 2024", Ann, Bob,
                                           KeyRules().hours("Europe/Berlin", "08:00:00", "17:00:00").descriptor());
        m_budget.set_document_key_properties(0x1);
        m_budget.mutable_document_key_security_descriptor()->set_session_duration(5400);
        m_plans = KeyringBus::DocumentKey(8, "Plans", Ann, Cy,
                                          KeyRules().passcode(StoredPasscode(Passcode)).permissions(0x3).descriptor());
        m_plans.set_document_key_document_revision("2026-03-01 09:15:02.123456");
        m_expired =
            KeyringBus::DocumentKey(9, "Old", Ann, Cy, KeyRules().expiration("2027-01-01 00:00:00").descriptor());
        m_projects = KeyringBus::FolderKey(11, "Projects", Ann, Bob, KeyRules().permissions(0x41).descriptor());
        m_shared =
            KeyringBus::FolderKey(12, "Shared", Ann, Cy, KeyRules().passcode(StoredPasscode(Passcode)).descriptor());
    }

    void init()
    {
        // A Wednesday morning in June.
        m_clock = std::make_unique<testsupport::ScopedClock>(testsupport::UtcInstant(2027, 6, 2, 9));
        QVERIFY(m_bus.start());
        for (const qorv::data::DocumentKey &key : {m_budget, m_plans, m_expired})
            m_bus.store().addDocumentKey(key);
        for (const qorv::data::FolderKey &key : {m_projects, m_shared})
            m_bus.store().addFolderKey(key);
        // Keys that Ann gave, which she does not hold.
        m_bus.store().addDocumentKey(KeyringBus::DocumentKey(7, "Budget 2024", Eve, Ann, KeyRules().descriptor()));
        m_bus.store().addFolderKey(KeyringBus::FolderKey(11, "Projects", Eve, Ann, KeyRules().descriptor()));
        m_bus.server().clearRequests();
    }

    void cleanup()
    {
        m_bus.stop();
        m_clock.reset();
    }

    // Panes

    void documentKeyRow()
    {
        DocumentKeysPaneTreeWidget pane(nullptr);
        QCOMPARE(pane.columnCount(), 8);
        QCOMPARE(pane.headerItem()->text(7), QStringLiteral("Expiration"));
        pane.addDocumentKey(m_budget);
        pane.addDocumentKey(m_plans);
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QCOMPARE(Texts(row, 8), (QStringList{"Nye, Bob", "Budget 2024", "", "", "08:00 AM - 05:00 PM", "Europe/Berlin",
                                             "90 minutes", "9999-12-31 01:00:00"}));
        // An earlier revision in the machine's time.
        QCOMPARE(pane.topLevelItem(1)->text(2), QStringLiteral("2026-03-01 10:15:02"));
        QCOMPARE(row->data(0, DocumentKeysPaneTreeWidget::KeyRole).value<qorv::data::DocumentKey>().SerializeAsString(),
                 m_budget.SerializeAsString());
        QCOMPARE(row->data(0, DocumentKeysPaneTreeWidget::KindRole).toInt(), 0);
        QCOMPARE(row->data(3, DocumentKeysPaneTreeWidget::KindRole).toInt(), 1);
        QCOMPARE(row->checkState(3), Qt::Checked);
        // Permissions in column 0, days and months in the "Active" column.
        QCOMPARE(row->child(0)->text(0), QStringLiteral("Permissions"));
        QCOMPARE(Checks(row->child(0), 0), QStringLiteral("10000000"));
        QCOMPARE(row->child(1)->text(3), QStringLiteral("Days"));
        QCOMPARE(row->child(1)->data(3, DocumentKeysPaneTreeWidget::KindRole).toInt(), 15);
        QCOMPARE(Checks(row->child(1), 3), QStringLiteral("1111111"));
        QCOMPARE(row->child(2)->child(11)->text(3), QStringLiteral("December"));
        QCOMPARE(row->child(2)->child(11)->data(3, DocumentKeysPaneTreeWidget::KindRole).toInt(), 35);
        QVERIFY(!row->child(0)->isExpanded());
    }

    void folderKeyRow()
    {
        FolderKeysPaneTreeWidget pane(nullptr);
        QCOMPARE(pane.columnCount(), 7);
        pane.addFolderKey(m_projects);
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QCOMPARE(Texts(row, 7),
                 (QStringList{"Nye, Bob", "Projects", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"}));
        QCOMPARE(row->data(2, FolderKeysPaneTreeWidget::KindRole).toInt(), 1);
        QCOMPARE(row->child(0)->childCount(), 2);
        QCOMPARE(Checks(row->child(0), 0), QStringLiteral("11"));
        QCOMPARE(row->child(1)->data(2, FolderKeysPaneTreeWidget::KindRole).toInt(), 5);
        QCOMPARE(row->child(2)->child(0)->data(2, FolderKeysPaneTreeWidget::KindRole).toInt(), 14);
    }

    // A key of no use is shown like any other: the receiver cannot change it.
    void namesAreNeverBoldOrStruckOut()
    {
        DocumentKeysPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(KeyringBus::DocumentKey(7, "Budget 2024", Ann, Bob, KeyRules().active(0).descriptor()));
        pane.addDocumentKey(m_budget);
        for (int row = 0; row < 2; ++row) {
            QVERIFY(!pane.topLevelItem(row)->font(0).bold());
            QVERIFY(!pane.topLevelItem(row)->font(0).strikeOut());
        }
        // Two keys from one giver: two rows, in the order added.
        QCOMPARE(Rows(&pane, 0), (QStringList{"Nye, Bob", "Nye, Bob"}));
    }

    void viewToggles()
    {
        FolderKeysPaneTreeWidget pane(nullptr);
        pane.viewDaysToggled(true);
        pane.addFolderKey(m_projects);
        pane.addFolderKey(m_shared);
        pane.viewDaysToggled(true);
        for (int index = 0; index < 2; ++index) {
            QTreeWidgetItem *row = pane.topLevelItem(index);
            QVERIFY(row->isExpanded() && row->child(1)->isExpanded());
            QVERIFY(!row->child(0)->isExpanded() && !row->child(2)->isExpanded());
        }
        pane.viewMonthsToggled(true);
        pane.viewDaysToggled(false);
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QVERIFY(row->isExpanded() && !row->child(1)->isExpanded() && row->child(2)->isExpanded());
    }

    // Windows

    void documentKeysWindowFillsItselfFromTheServer()
    {
        DocumentKeysView *window = m_bus.openDocumentKeys();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("My Document Keyring [127.0.0.1]"));
        QCOMPARE(Rows(Pane(window), 1), (QStringList{"Budget 2024", "Plans", "Old"}));
        QCOMPARE(RefreshFailure(window), QString());

        // Asked past the bus, for the keys Ann holds and no others.
        const QList<testsupport::TestRequest> selects = m_bus.requests(common::op::SelectDocumentKey);
        QCOMPARE(selects.size(), 1);
        QCOMPARE(selects[0].minorOpcode, common::tag::RefreshDocumentKeys);
        qorv::data::SelectDocumentKeyRequest expected;
        expected.set_document_key_user_id(GroupDirectory::SessionUserId);
        QCOMPARE(selects[0].payload, expected.SerializeAsString());

        QCOMPARE(Entries(window->menuBar()->actions().at(0)->menu()->actions()), QStringList{"Open Document..."});
        QCOMPARE(Entries(window->menuBar()->actions().at(2)->menu()->actions()),
                 (QStringList{"Refresh", "-", "View Months", "View Days", "-", "View Permissions"}));
        QVERIFY(!window->menuBar()->actions().at(1)->isVisible());
        QVERIFY(!window->menuBar()->actions().at(3)->isVisible());
        QCOMPARE(
            Entries(window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"))->actions()),
            (QStringList{"Open Document...", "-", "Refresh", "-", "View Months", "View Days", "View Permissions"}));
    }

    void folderKeysWindowFillsItselfFromTheServer()
    {
        FolderKeysView *window = m_bus.openFolderKeys();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("My Folder Keyring [127.0.0.1]"));
        QCOMPARE(Rows(Pane(window), 1), (QStringList{"Projects", "Shared"}));
        const QList<testsupport::TestRequest> selects = m_bus.requests(common::op::SelectFolderKey);
        QCOMPARE(selects.size(), 1);
        QCOMPARE(selects[0].minorOpcode, common::tag::RefreshFolderKeys);
        qorv::data::SelectFolderKeyRequest expected;
        expected.set_folder_key_user_id(GroupDirectory::SessionUserId);
        QCOMPARE(selects[0].payload, expected.SerializeAsString());
        QCOMPARE(Entries(window->menuBar()->actions().at(0)->menu()->actions()), QStringList{"Open Folder..."});
    }

    // Thousands of received keys fill a window in the state a few do: every
    // key once in the server's order, no key current, the columns fitted to
    // their contents; a refresh after one more key shows it last.
    void longKeyListsFillInServerOrder_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("document keys") << false;
        QTest::newRow("folder keys") << true;
    }

    void longKeyListsFillInServerOrder()
    {
        QFETCH(bool, folder);
        constexpr int Keys = 2000;
        QStringList targets = folder ? QStringList{"Projects", "Shared"} : QStringList{"Budget 2024", "Plans", "Old"};
        for (int n = 0; n < Keys; ++n) {
            const std::string name =
                QStringLiteral("T%1").arg((n * 7919) % Keys, 4, 10, QLatin1Char('0')).toStdString();
            if (folder)
                m_bus.store().addFolderKey(KeyringBus::FolderKey(1000 + n, name, Ann, Bob, KeyRules().descriptor()));
            else
                m_bus.store().addDocumentKey(
                    KeyringBus::DocumentKey(1000 + n, name, Ann, Bob, KeyRules().descriptor()));
            targets.append(QString::fromStdString(name));
        }
        AbstractKeysView *window = nullptr;
        AbstractKeyPaneTreeWidget *pane = nullptr;
        if (folder) {
            FolderKeysView *keys = m_bus.openFolderKeys();
            window = keys;
            pane = keys ? Pane(keys) : nullptr;
        } else {
            DocumentKeysView *keys = m_bus.openDocumentKeys();
            window = keys;
            pane = keys ? Pane(keys) : nullptr;
        }
        QVERIFY(window && pane);

        QCOMPARE(Rows(pane, 1), targets);
        QVERIFY(pane->currentItem() == nullptr);
        QVERIFY(testsupport::ColumnsFitTheirContents(pane));

        const std::string late(60, 'W');
        if (folder)
            m_bus.store().addFolderKey(KeyringBus::FolderKey(5000, late, Ann, Bob, KeyRules().descriptor()));
        else
            m_bus.store().addDocumentKey(KeyringBus::DocumentKey(5000, late, Ann, Bob, KeyRules().descriptor()));
        window->refresh();
        targets.append(QString::fromStdString(late));
        QCOMPARE(Rows(pane, 1), targets);
        QVERIFY(testsupport::ColumnsFitTheirContents(pane));
    }

    void everyCommandOpensAnotherWindow()
    {
        DocumentKeysView *first = m_bus.openDocumentKeys();
        DocumentKeysView *second = m_bus.openDocumentKeys();
        QVERIFY(first && second && first != second);
        QCOMPARE(Pane(second)->topLevelItemCount(), 3);
        QCOMPARE(m_bus.requests(common::op::SelectDocumentKey).size(), 2);
    }

    // Nothing can be ticked, and only the keys themselves can be selected.
    void rowsAreForLookingOnly()
    {
        DocumentKeysView *window = m_bus.openDocumentKeys();
        QVERIFY(window);
        for (const QTreeWidgetItem *row : AllRows(Pane(window))) {
            const Qt::ItemFlags expected =
                row->parent() == nullptr ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::ItemFlags(Qt::ItemIsEnabled);
            QCOMPARE(row->flags(), expected);
        }
        // The boxes still show the key's bits.
        QCOMPARE(Checks(Pane(window)->topLevelItem(1)->child(0), 0), QStringLiteral("11000000"));
    }

    void refreshShowsTheKeysAnew()
    {
        FolderKeysView *window = m_bus.openFolderKeys();
        QVERIFY(window);
        QAction *viewDays = nullptr;
        for (QAction *action : window->menuBar()->actions().at(2)->menu()->actions()) {
            if (action->text() == QLatin1String("View Days"))
                viewDays = action;
        }
        QVERIFY(viewDays);
        viewDays->trigger();
        QVERIFY(Pane(window)->topLevelItem(0)->child(1)->isExpanded());
        m_bus.store().addFolderKey(KeyringBus::FolderKey(13, "New", Ann, Eve, KeyRules().descriptor()));

        window->refresh();
        QCOMPARE(Rows(Pane(window), 1), (QStringList{"Projects", "Shared", "New"}));
        QVERIFY(!viewDays->isChecked());
        for (const QTreeWidgetItem *row : AllRows(Pane(window)))
            QVERIFY(row->parent() == nullptr || !row->isExpanded());
    }

    // A failed refresh leaves the pane empty and says so: it never looks like
    // a keyring without keys.
    void failedRefresh_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("passing"); // the next refresh goes through
        QTest::newRow("no answer") << "silence" << true;
        QTest::newRow("reply that does not decrypt") << "tag" << true;
        QTest::newRow("error pair") << "pair" << false;
        QTest::newRow("SQL error") << "sqlc" << false;
        QTest::newRow("unreadable reply") << "garbage" << false;
        QTest::newRow("server gone") << "stopped" << false;
    }

    void failedRefresh()
    {
        QFETCH(QString, failure);
        QFETCH(bool, passing);
        DocumentKeysView *window = m_bus.openDocumentKeys();
        QVERIFY(window);
        QCOMPARE(Pane(window)->topLevelItemCount(), 3);

        if (failure == QLatin1String("silence")) {
            m_bus.server().injectFault(testsupport::TestFault::noAnswer());
        } else if (failure == QLatin1String("tag")) {
            m_bus.server().injectFault(testsupport::TestFault::wrongTag());
        } else if (failure == QLatin1String("pair")) {
            m_bus.server().reply(common::op::SelectDocumentKey, common::tag::RefreshDocumentKeys,
                                 qorv::data::SelectDocumentKeyReply().SerializeAsString(), 0, 4);
        } else if (failure == QLatin1String("sqlc")) {
            qorv::data::SelectDocumentKeyReply refusal;
            refusal.mutable_sql_diag_rec()->set_sqlc(common::SqlcForeignKeyViolation);
            m_bus.server().reply(common::op::SelectDocumentKey, common::tag::RefreshDocumentKeys,
                                 refusal.SerializeAsString());
        } else if (failure == QLatin1String("garbage")) {
            m_bus.server().reply(common::op::SelectDocumentKey, common::tag::RefreshDocumentKeys,
                                 std::string("\x0a\xff", 2));
        } else {
            m_bus.server().stop();
        }
        DialogAnswerer answerer;
        window->refresh();
        QCOMPARE(Pane(window)->topLevelItemCount(), 0);
        QCOMPARE(RefreshFailure(window), QStringLiteral("The document keys could not be read from the server."));
        QVERIFY(answerer.sawNoDialog());
        if (!passing)
            return;
        window->refresh();
        QCOMPARE(Pane(window)->topLevelItemCount(), 3);
        QCOMPARE(RefreshFailure(window), QString());
    }

    void folderKeysRefreshFailureIsShown()
    {
        m_bus.server().reply(common::op::SelectFolderKey, common::tag::RefreshFolderKeys, std::string(), -1, 1);
        FolderKeysView *window = m_bus.openFolderKeys();
        QVERIFY(window);
        QCOMPARE(Pane(window)->topLevelItemCount(), 0);
        QCOMPARE(RefreshFailure(window), QStringLiteral("The folder keys could not be read from the server."));
    }

    // Opening through a key

    void openFromAChildRowOpensItsKey()
    {
        DocumentKeysView *window = m_bus.openDocumentKeys();
        QVERIFY(window);
        m_bus.server().clearRequests();
        DialogAnswerer answerer;
        Pane(window)->setCurrentItem(Pane(window)->topLevelItem(0)->child(2)->child(4));
        window->openDocument();

        // On the bus to the server: the key for the editor, then the key
        // with its emphasis cleared.
        const QList<testsupport::TestRequest> selects = m_bus.requests(common::op::SelectDocumentKey);
        QCOMPARE(selects.size(), 1);
        QCOMPARE(selects[0].minorOpcode, common::tag::OpenDocumentEditor);
        const auto select = Parsed<qorv::data::SelectDocumentKeyRequest>(selects[0].payload);
        QCOMPARE(select.document_key_document_id(), 7);
        QCOMPARE(select.document_key_user_id(), GroupDirectory::SessionUserId);
        const QList<testsupport::TestRequest> updates = m_bus.requests(common::op::UpdateDocumentKey);
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates[0].minorOpcode, common::tag::ClearEmphasizeName);
        qorv::data::DocumentKey cleared = m_budget;
        cleared.set_document_key_properties(0);
        QCOMPARE(Parsed<qorv::data::UpdateDocumentKeyRequest>(updates[0].payload).document_key().SerializeAsString(),
                 cleared.SerializeAsString());
        QVERIFY(answerer.sawNoDialog());
        // The window's rows stay as they were.
        QCOMPARE(Pane(window)->topLevelItemCount(), 3);
    }

    void openAsksForThePasscode_data()
    {
        QTest::addColumn<QString>("typed"); // on the keypad; empty: the dialog is closed
        QTest::addColumn<bool>("opens");
        QTest::newRow("right passcode") << QStringLiteral("2468E") << true;
        QTest::newRow("wrong passcode") << QStringLiteral("2469E") << false;
        QTest::newRow("closed") << QString() << false;
    }

    void openAsksForThePasscode()
    {
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        DocumentKeysView *window = m_bus.openDocumentKeys();
        QVERIFY(window);
        m_bus.server().clearRequests();
        DialogAnswerer answerer;
        if (typed.isEmpty())
            answerer.expect([](QWidget *dialog) { dialog->close(); });
        else
            answerer.expect(TypePasscode(typed));
        if (!opens)
            answerer.expect(QMessageBox::Ok);
        Pane(window)->setCurrentItem(Pane(window)->topLevelItem(1));
        window->openDocument();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(m_bus.requests(common::op::SelectDocumentKey).size(), opens ? 1 : 0);
        QVERIFY(m_bus.requests(common::op::UpdateDocumentKey).isEmpty());
        if (!opens) {
            QCOMPARE(answerer.seen()[1].title, QStringLiteral("Passcode Dialog"));
            QCOMPARE(answerer.seen()[1].text, QStringLiteral("Incorrect password!"));
        }
    }

    void openRefusedByTheKeysConditions()
    {
        DocumentKeysView *window = m_bus.openDocumentKeys();
        QVERIFY(window);
        m_bus.server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        Pane(window)->setCurrentItem(Pane(window)->topLevelItem(2)->child(0));
        window->openDocument();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen()[0].title, QStringLiteral("Access denied."));
        QCOMPARE(answerer.seen()[0].text, QStringLiteral("Key has expired."));
        QVERIFY(m_bus.server().requests().empty());
    }

    void openWithoutACurrentRowDoesNothing()
    {
        DocumentKeysView *window = m_bus.openDocumentKeys();
        FolderKeysView *folders = m_bus.openFolderKeys();
        QVERIFY(window && folders);
        m_bus.server().clearRequests();
        DialogAnswerer answerer;
        window->openDocument();
        folders->openFolder();
        QVERIFY(m_bus.server().requests().empty());
        QVERIFY(answerer.sawNoDialog());
    }

    // A folder opens in a new document browser, which the request names the
    // key for; a passcode is asked first.
    void openFolderThroughItsKey()
    {
        FolderKeysView *window = m_bus.openFolderKeys();
        QVERIFY(window);
        QList<std::pair<int, std::string>> sent;
        connect(window, &FolderKeysView::deliverRequest, this,
                [&sent](common::Opcode major, common::Opcode minor, const std::string &payload) {
                    if (major == common::op::OpenDocumentBrowser && minor == common::tag::OpenFolderKey)
                        sent.append({major, payload});
                });
        DialogAnswerer answerer;
        answerer.expect(TypePasscode(QStringLiteral("2468E")));
        // The browser that the request opens checks the key once more, with
        // its own passcode prompt.
        answerer.expect(TypePasscode(QStringLiteral("2468E")));
        Pane(window)->setCurrentItem(Pane(window)->topLevelItem(1)->child(1)->child(2));
        window->openFolder();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(sent.size(), 1);
        const auto request = Parsed<qorv::data::OpenFolderKeyRequest>(sent[0].second);
        QCOMPARE(request.folder_key_size(), 1);
        QCOMPARE(request.folder_key(0).SerializeAsString(), m_shared.SerializeAsString());
    }
};

QTEST_MAIN(TestReceivedKeys)
#include "tst_receivedkeys.moc"
