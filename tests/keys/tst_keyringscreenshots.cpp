#include "documentkeyringpanetreewidget.h"
#include "documentkeyringview.h"
#include "documentkeyspanetreewidget.h"
#include "documentkeysview.h"
#include "folderkeyringpanetreewidget.h"
#include "folderkeyringview.h"
#include "keyringbus.h"
#include "keyrules.h"
#include "scopedclock.h"
#include "screenshot.h"
#include "testenvironment.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;
using keystest::KeyringBus;
using testsupport::KeyRules;

namespace
{
const qorv::data::User Ann = GroupDirectory::User(GroupDirectory::SessionUserId, "Ann", "B", "Lee");
const qorv::data::User Bob = GroupDirectory::User(5, "Bob", "", "Nye");
const qorv::data::User Cy = GroupDirectory::User(7, "Cy", "", "Dee");
const qorv::data::User Eve = GroupDirectory::User(8, "Eve", "", "Fox");
const qorv::data::User Gus = GroupDirectory::User(9, "Gus", "J", "Hale");

// Toggles a View action as the user does.
bool TriggerViewAction(const QMainWindow *window, const QString &text)
{
    for (QAction *action : window->menuBar()->actions().at(2)->menu()->actions()) {
        if (action->text() == text) {
            action->trigger();
            return true;
        }
    }
    return false;
}
}

// The document keyring, the folder keyring and the window of received
// document keys, filled from the test server, kept as pictures in the build
// tree.
class TestKeyringScreenshots : public QObject
{
    Q_OBJECT

private:
    KeyringBus m_bus;
    std::unique_ptr<testsupport::ScopedClock> m_clock;

    static void shoot(QWidget *window, const QString &name)
    {
        const testsupport::Screenshot shot(window, name);
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.colours() >= 32);
        QVERIFY(shot.image().width() >= 800);
        QVERIFY(shot.image().height() >= 600);
    }

    // Every column of the pane is as wide as its contents and its heading,
    // and the last, the expiration date, ends within the window.
    static void verifyWholeColumns(const QTreeWidget *pane)
    {
        const QHeaderView *header = pane->header();
        const int last = header->count() - 1;
        QCOMPARE(pane->headerItem()->text(last), QStringLiteral("Expiration"));
        for (int column = 1; column <= last; ++column) {
            const QString name = pane->headerItem()->text(column);
            QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column), qPrintable(name));
            for (int row = 0; row < pane->topLevelItemCount(); ++row) {
                const QString text = pane->topLevelItem(row)->text(column);
                QVERIFY2(header->sectionSize(column) > pane->fontMetrics().horizontalAdvance(text),
                         qPrintable(name + QLatin1String(": ") + text));
            }
        }
        QVERIFY2(header->sectionViewportPosition(last) + header->sectionSize(last) <= pane->viewport()->width(),
                 qPrintable(QStringLiteral("%1 + %2 > %3")
                                .arg(header->sectionViewportPosition(last))
                                .arg(header->sectionSize(last))
                                .arg(pane->viewport()->width())));
    }

private slots:
    void initTestCase() { QVERIFY(KeyringBus::setUpLikeTheProgram()); }

    void init()
    {
        m_clock = std::make_unique<testsupport::ScopedClock>(testsupport::UtcInstant(2027, 6, 2, 9));
        QVERIFY(m_bus.start());
    }

    void cleanup()
    {
        m_bus.stop();
        m_clock.reset();
    }

    void documentKeyring()
    {
        qorv::data::DocumentKey cy =
            KeyringBus::DocumentKey(31, "Budget 2027", Cy, Ann, KeyRules().permissions(0xFC3).descriptor());
        cy.set_document_key_document_revision("2027-03-01 09:15:02");
        m_bus.store().addDocumentKey(cy);
        qorv::data::DocumentKey eve = KeyringBus::DocumentKey(
            31, "Budget 2027", Eve, Ann,
            KeyRules().hours("Europe/Paris", "08:00:00", "17:00:00").expiration("2027-12-09 23:00:00").descriptor());
        eve.mutable_document_key_security_descriptor()->set_session_duration(5400);
        m_bus.store().addDocumentKey(eve);
        m_bus.store().addDocumentKey(
            KeyringBus::DocumentKey(31, "Budget 2027", Gus, Ann, KeyRules().active(0xFFFFE).descriptor()));

        DocumentKeyringView *window = m_bus.openDocumentKeyring(31, "Budget 2027");
        QVERIFY(window);
        auto *pane = window->findChild<DocumentKeyringPaneTreeWidget *>();
        QCOMPARE(pane->topLevelItemCount(), 3);
        // Cy's key with its permissions open, one of them ticked off and not
        // yet saved.
        pane->topLevelItem(0)->setExpanded(true);
        pane->topLevelItem(0)->child(0)->setExpanded(true);
        QTreeWidgetItem *print = pane->topLevelItem(0)->child(0)->child(6);
        print->setCheckState(0, Qt::Unchecked);
        emit pane->itemClicked(print, 0);
        QVERIFY(window->isModified());
        shoot(window, QStringLiteral("document-keyring"));
        QCOMPARE(window->size(), QSize(800, 600));
        verifyWholeColumns(pane);
    }

    void folderKeyring()
    {
        for (const qorv::data::User &holder : {Gus, Cy, Eve})
            m_bus.store().addFolderKey(
                KeyringBus::FolderKey(51, "Projects", holder, Ann, KeyRules().permissions(0x41).descriptor()));
        FolderKeyringView *window = m_bus.openFolderKeyring(51, "Projects");
        QVERIFY(window);
        auto *pane = window->findChild<FolderKeyringPaneTreeWidget *>();
        QCOMPARE(pane->topLevelItemCount(), 3);
        QVERIFY(TriggerViewAction(window, QStringLiteral("View Days")));
        shoot(window, QStringLiteral("folder-keyring"));
        verifyWholeColumns(pane);
    }

    void receivedDocumentKeys()
    {
        qorv::data::DocumentKey budget = KeyringBus::DocumentKey(
            7, "Budget 2024", Ann, Bob, KeyRules().hours("Europe/Berlin", "08:00:00", "17:00:00").descriptor());
        m_bus.store().addDocumentKey(budget);
        qorv::data::DocumentKey plans =
            KeyringBus::DocumentKey(8, "Plans", Ann, Cy, KeyRules().permissions(0x3).descriptor());
        plans.set_document_key_document_revision("2026-03-01 09:15:02.123456");
        m_bus.store().addDocumentKey(plans);
        m_bus.store().addDocumentKey(
            KeyringBus::DocumentKey(9, "Minutes", Ann, Cy, KeyRules().expiration("2027-12-31 00:00:00").descriptor()));

        DocumentKeysView *window = m_bus.openDocumentKeys();
        QVERIFY(window);
        auto *pane = window->findChild<DocumentKeysPaneTreeWidget *>();
        QCOMPARE(pane->topLevelItemCount(), 3);
        pane->setCurrentItem(pane->topLevelItem(1));
        QVERIFY(TriggerViewAction(window, QStringLiteral("View Permissions")));
        shoot(window, QStringLiteral("received-document-keys"));
    }
};

QTEST_MAIN(TestKeyringScreenshots)
#include "tst_keyringscreenshots.moc"
