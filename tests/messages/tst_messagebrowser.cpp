#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dialoganswerer.h"
#include "itemrole.h"
#include "itemtype.h"
#include "messagebrowsermainpanetreewidget.h"
#include "messagebrowsersidepanetreewidget.h"
#include "messagebrowserview.h"
#include "messagebus.h"
#include "messagecast.h"
#include "messageeditorview.h"
#include "messagereaderview.h"
#include "messagesearchdialog.h"
#include "messageviewer.h"
#include "sentrequests.h"
#include "settings.h"
#include "syntheticdrag.h"
#include "testenvironment.h"
#include "textreader.h"

#include "deletemessagefolderreply3.pb.h"
#include "deletemessagefolderrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertmessagefolderreply3.pb.h"
#include "insertmessagefolderrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "messagefolder3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagefolderrequest3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserrequest3.pb.h"

#include <QAction>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>

#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <utility>

QORV_ISOLATE_TEST_ENVIRONMENT()

using messagestest::MessageBus;
using messagestest::MessageStore;
using messagestest::OpenWindows;
using testsupport::DialogAnswerer;
using testsupport::Parsed;
namespace data = qorv::data;
using namespace messagestest::cast;

namespace
{
constexpr int Work = 701;
constexpr int Home = 702;

const char *const ModeNames[] = {
    "modeStart",           "modeMessagesSelected", "modeMessageFolderSelected", "modeMessageFolderDeleted",
    "modeMessageSelected", "modeMessageModified",  "modeMessageReverted",       "modeMessageDeleted",
    "modeMessageSaved",    "modeMessagesSaved"};

// The parts of a browser as the user sees them.
class Browser
{
public:
    explicit Browser(MessageBrowserView *window)
        : m_window(window)
    {
    }

    MessageBrowserView *window() const { return m_window; }
    MessageBrowserSidePaneTreeWidget *folders() const
    {
        return m_window->findChild<MessageBrowserSidePaneTreeWidget *>();
    }
    MessageBrowserMainPaneTreeWidget *messages() const
    {
        return m_window->findChild<MessageBrowserMainPaneTreeWidget *>();
    }
    TextReader *reader() const { return m_window->findChild<TextReader *>(); }

    // The tool bar's actions without separators: new folder, new message,
    // save, save all, edit folder, edit message, delete folder, delete
    // message, refresh, view permissions, search, options.
    QList<QAction *> toolActions() const
    {
        QList<QAction *> actions;
        for (QAction *action : m_window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"))->actions()) {
            if (!action->isSeparator())
                actions.append(action);
        }
        return actions;
    }
    QAction *action(int index) const { return toolActions().value(index); }
    QAction *save() const { return action(2); }
    QAction *saveAll() const { return action(3); }
    QAction *viewPermissions() const { return action(9); }

    // "1" per enabled action, in the columns of the mode table: new folder,
    // new message, save, save all, edit folder, edit message, delete folder,
    // delete message, search, refresh, view permissions.
    QString states() const
    {
        QString states;
        for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 10, 8, 9})
            states += action(index)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    }

    QString modeName() const { return QString::fromStdString(m_window->getModeName(m_window->getMode())); }

    QTreeWidgetItem *rootItem() const { return folders()->topLevelItem(0); }
    QTreeWidgetItem *folderItem(const QString &name) const
    {
        for (int index = 0; index < rootItem()->childCount(); ++index) {
            if (rootItem()->child(index)->text(0) == name)
                return rootItem()->child(index);
        }
        return nullptr;
    }
    QStringList folderNames() const
    {
        QStringList names;
        for (int index = 0; index < rootItem()->childCount(); ++index)
            names.append(rootItem()->child(index)->text(0));
        return names;
    }
    QTreeWidgetItem *row(const QString &subject) const
    {
        for (int index = 0; index < messages()->topLevelItemCount(); ++index) {
            if (messages()->topLevelItem(index)->text(2) == subject)
                return messages()->topLevelItem(index);
        }
        return nullptr;
    }
    QStringList subjects() const
    {
        QStringList subjects;
        for (int index = 0; index < messages()->topLevelItemCount(); ++index)
            subjects.append(messages()->topLevelItem(index)->text(2));
        subjects.sort();
        return subjects;
    }

    // The tree sorts and lays out its rows when the event loop comes round;
    // the user clicks on what is on the screen.
    void click(QTreeWidget *tree, QTreeWidgetItem *item) const
    {
        QCoreApplication::processEvents();
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, onText(tree, item));
    }
    // A point on the item's text in the first column, past a check box: the
    // columns of the message tree are wider than its pane.
    static QPoint onText(const QTreeWidget *tree, QTreeWidgetItem *item)
    {
        const QRect rect = tree->visualItemRect(item);
        return QPoint(std::min(rect.center().x(), rect.left() + 50), rect.center().y());
    }
    void clickRoot() const { click(folders(), rootItem()); }
    void clickFolder(const QString &name) const
    {
        rootItem()->setExpanded(true);
        click(folders(), folderItem(name));
    }
    void clickRow(const QString &subject) const { click(messages(), row(subject)); }
    // The events a widget gets from a double-click: the second press comes
    // as the double-click itself.
    void doubleClickRow(const QString &subject) const
    {
        QTreeWidgetItem *item = row(subject);
        QCoreApplication::processEvents();
        messages()->scrollToItem(item);
        QWidget *viewport = messages()->viewport();
        const QPoint position = onText(messages(), item);
        const QPoint global = viewport->mapToGlobal(position);
        for (const auto &[type, buttons] :
             {std::pair(QEvent::MouseButtonPress, Qt::LeftButton), std::pair(QEvent::MouseButtonRelease, Qt::NoButton),
              std::pair(QEvent::MouseButtonDblClick, Qt::LeftButton),
              std::pair(QEvent::MouseButtonRelease, Qt::NoButton)}) {
            QMouseEvent event(type, position, global, Qt::LeftButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &event);
        }
    }

private:
    MessageBrowserView *m_window;
};

DialogAnswerer::Action EnterText(const QString &text)
{
    return [text](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input) {
            dialog->close();
            return;
        }
        input->setTextValue(text);
        input->accept();
    };
}

// Types the subject into the create-message dialog and presses OK.
DialogAnswerer::Action CreateMessage(const QString &subject)
{
    return [subject](QWidget *dialog) {
        auto *line = dialog->findChild<QLineEdit *>(QStringLiteral("messageSubjectLineEdit"));
        QInputMethodEvent typing;
        typing.setCommitString(subject);
        QCoreApplication::sendEvent(line, &typing);
        dialog->findChild<QDialogButtonBox *>()->buttons().value(0)->click();
    };
}

// The select requests of the browsers themselves, not the recipient look-ups
// of the To column, which name a message.
std::vector<testsupport::TestRequest> Lists(const MessageBus &bus, int majorOpcode)
{
    std::vector<testsupport::TestRequest> lists;
    for (const testsupport::TestRequest &request : bus.requests(majorOpcode)) {
        data::SelectMessageUserRequest lookUp;
        if (majorOpcode == common::op::SelectMessageUser && lookUp.ParseFromString(request.payload)
            && lookUp.has_message_user_message_id())
            continue;
        data::SelectMessageRequest chain;
        if (majorOpcode == common::op::SelectMessage && chain.ParseFromString(request.payload)
            && chain.has_message_chain_id())
            continue;
        lists.push_back(request);
    }
    return lists;
}

QList<int> EditorIds()
{
    QList<int> ids;
    for (const MessageEditorView *editor : OpenWindows<MessageEditorView>())
        ids.append(editor->getMessage().message_id());
    return ids;
}

QList<int> ReaderIds()
{
    QList<int> ids;
    for (const MessageReaderView *reader : OpenWindows<MessageReaderView>())
        ids.append(reader->getMessage().message_id());
    return ids;
}
}

// The message browser on the whole bus against the test server: what it
// lists, which browser takes a list, how every browser follows a change, and
// what the server refuses.
class TestMessageBrowser : public QObject
{
    Q_OBJECT

private:
    MessageBus m_bus;

    void addMessages()
    {
        MessageStore &store = m_bus.store();
        store.addUser(MessageStore::User(Ann, "Ann", "B", "Lee", Root));
        store.addUser(MessageStore::User(Bob, "Bob", "", "Ray", 500));
        store.addUser(MessageStore::User(Cy, "Cy", "", "Dee", 600));
        store.addFolder(Work, Root, "Work");
        store.addFolder(Home, Root, "Home");
        store.addFolder(703, Work, "Nested");
        // 1 and 3 are Ann's own; 2 and 4 are Bob's, received by Ann; 4
        // answers 1.
        store.addMessage(MessageStore::Message(1, "Budget", Ann, Root, AllPermissions, "2026-01-02 10:00:00"));
        store.addRecipient(1, Bob, data::Message::TO, 500);
        store.addMessage(MessageStore::Message(2, "Lunch", Bob, 500, AllPermissions, "2026-01-03 10:00:00"));
        store.addRecipient(2, Ann, data::Message::TO, Root, 1);
        store.addMessage(MessageStore::Message(3, "Plans", Ann, Work, AllPermissions, "2026-01-04 10:00:00"));
        store.addRecipient(3, Cy, data::Message::TO, 600);
        data::Message answer = MessageStore::Message(4, "RE: Budget", Bob, 500, AllPermissions, "2026-01-05 10:00:00");
        answer.set_message_parent_id(1);
        answer.set_message_parent_relation(data::Message::PARENT_RELATION_REPLY);
        store.addMessage(answer);
        store.addRecipient(4, Ann, data::Message::TO, Work);
    }

    Browser openLoaded()
    {
        Browser browser(m_bus.openBrowser());
        if (browser.window())
            browser.clickRoot();
        return browser;
    }

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("UTC");
        QVERIFY(MessageBus::setUpLikeTheProgram());
    }

    void init()
    {
        QVERIFY(m_bus.start());
        addMessages();
        Settings().remove(QStringLiteral("MessageBrowser"));
    }

    void cleanup() { m_bus.stop(); }

    // The window

    void freshBrowser()
    {
        DialogAnswerer answerer;
        Browser browser(m_bus.openBrowser());
        QVERIFY(browser.window());

        QCOMPARE(browser.window()->windowTitle(), QStringLiteral("Message Browser [127.0.0.1]"));
        QCOMPARE(browser.modeName(), QStringLiteral("modeStart"));
        QCOMPARE(browser.states(), QStringLiteral("00000000011"));
        QStringList texts;
        for (const QAction *action : browser.toolActions())
            texts.append(action->text());
        QCOMPARE(texts, QStringList({"Message Folder...", "Message...", "Save", "Select All", "Edit Message Folder...",
                                     "Edit Message...", "Delete Message Folder...", "Delete Message...", "Refresh",
                                     "View Permissions", "Search Messages...", "Options"}));
        QVERIFY(browser.viewPermissions()->isCheckable() && !browser.viewPermissions()->isChecked());
        QCOMPARE(browser.action(0)->toolTip(),
                 QStringLiteral("New Message Folder<p><small>Create a new message folder.</small></p>"));
        const QList<QAction *> fileMenu = browser.window()->menuBar()->actions().value(0)->menu()->actions();
        QStringList file;
        for (const QAction *action : fileMenu)
            file.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(file, QStringList({"New", "-", "Save", "Select All", "-", "Close"}));
        // Side pane, message tree, chain view.
        const auto *splitter = qobject_cast<QSplitter *>(browser.window()->centralWidget());
        QVERIFY(splitter);
        QCOMPARE(splitter->widget(0), browser.folders());
        QCOMPARE(splitter->widget(1), browser.messages());
        QCOMPARE(splitter->widget(2), browser.reader());
        QVERIFY(browser.reader()->isReadOnly());
        QCOMPARE(browser.reader()->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(browser.folders()->actions().size(), 3);
        QCOMPARE(browser.messages()->actions().size(), 3);

        // Refresh with nothing selected only shows the panes.
        browser.action(8)->trigger();

        QVERIFY(browser.rootItem()->isSelected());
        QVERIFY(browser.rootItem()->isExpanded());
        QVERIFY(m_bus.server().requests().empty());
        QVERIFY(answerer.sawNoDialog());
    }

    void modeTable_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("states");
        const char *const table[] = {"00000000011", "11000000111", "11001010111", "11000000011", "11000101101",
                                     "11110101101", "11110101101", "11000000101", "11010101101", "11000101111"};
        for (int mode = 0; mode < 10; ++mode)
            QTest::newRow(ModeNames[mode]) << mode << QString::fromLatin1(table[mode]);
    }

    void modeTable()
    {
        QFETCH(int, mode);
        QFETCH(QString, states);
        Browser browser(m_bus.openBrowser());

        browser.window()->setMode(mode);

        QCOMPARE(browser.modeName(), QString::fromLatin1(ModeNames[mode]));
        QCOMPARE(browser.states(), states);
    }

    // Loading

    void loadingTheMessagesItem_data()
    {
        QTest::addColumn<int>("activationMode");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("all messages") << 0 << QStringList({"Budget", "Lunch", "Plans", "RE: Budget"});
        QTest::newRow("not in a folder") << 1 << QStringList({"Budget", "Lunch"});
    }

    void loadingTheMessagesItem()
    {
        QFETCH(int, activationMode);
        QFETCH(QStringList, subjects);
        Settings().setValue(QStringLiteral("MessageBrowser/Options/ActivationMode"), activationMode);
        Browser browser(m_bus.openBrowser());

        browser.clickRoot();

        QCOMPARE(browser.folderNames(), QStringList({"Work", "Home"}));
        QCOMPARE(browser.subjects(), subjects);
        QCOMPARE(browser.modeName(), QStringLiteral("modeMessagesSelected"));
        QCOMPARE(browser.states(), QStringLiteral("11000000111"));
        // Folders, own messages, received copies, in that order.
        QList<int> order;
        for (const testsupport::TestRequest &request : m_bus.server().requests()) {
            data::SelectMessageUserRequest lookUp;
            if (request.majorOpcode == common::op::SelectMessageUser && lookUp.ParseFromString(request.payload)
                && lookUp.has_message_user_message_id())
                continue;
            order.append(request.majorOpcode);
        }
        QCOMPARE(order, QList<int>({49, 50, 51}));
        const auto folders = Parsed<data::SelectMessageFolderRequest>(m_bus.requests(common::op::SelectMessageFolder));
        QCOMPARE(folders.front().message_folder_user_id(), Ann);
        QCOMPARE(folders.front().message_folder_parent_id(), Root);
        const auto own = Parsed<data::SelectMessageRequest>(Lists(m_bus, 50));
        QCOMPARE(own.front().message_user_id(), Ann);
        QCOMPARE(own.front().has_message_folder_id(), activationMode == 1);
        const auto copies = Parsed<data::SelectMessageUserRequest>(Lists(m_bus, 51));
        QCOMPARE(copies.front().message_user_user_id(), Ann);
        QCOMPARE(copies.front().has_message_user_message_folder_id(), activationMode == 1);
        if (activationMode == 1) {
            QCOMPARE(own.front().message_folder_id(), Root);
            QCOMPARE(copies.front().message_user_message_folder_id(), Root);
        }
        // The unread copy stands out.
        QVERIFY(browser.row(QStringLiteral("Lunch"))->font(2).bold());
        QVERIFY(!browser.row(QStringLiteral("Budget"))->font(2).bold());
    }

    // A folder of a few thousand messages arrives as two replies and ends
    // as one list: every message once, newest first, the last copy received
    // current, the unread copies bold, each with its nine permission boxes,
    // and the columns as wide as their contents.
    void aLongListEndsAsOneSortedList()
    {
        constexpr int OwnCount = 1500;
        constexpr int CopyCount = 500;
        MessageStore &store = m_bus.store();
        // Modification times out of the order the replies give them in: 7919
        // shares no factor with 4000, so every minute comes once.
        const QDateTime base(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC);
        const auto date = [&base](int index) {
            return base.addSecs(60LL * ((index * 7919) % 4000)).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        };
        for (int index = 0; index < OwnCount; ++index) {
            store.addMessage(MessageStore::Message(1000 + index, "Own " + std::to_string(index), Ann, Root,
                                                   AllPermissions, date(index).toStdString()));
        }
        QStringList unread = {QStringLiteral("Lunch")};
        for (int index = 0; index < CopyCount; ++index) {
            const int id = 3000 + index;
            const std::string subject = "Copy " + std::to_string(index);
            store.addMessage(
                MessageStore::Message(id, subject, Bob, 500, AllPermissions, date(OwnCount + index).toStdString()));
            store.addRecipient(id, Ann, data::Message::TO, Root, index % 5 == 0 ? 1 : 0);
            if (index % 5 == 0)
                unread.append(QString::fromStdString(subject));
        }

        const Browser browser = openLoaded();

        MessageBrowserMainPaneTreeWidget *tree = browser.messages();
        QCOMPARE(tree->topLevelItemCount(), 4 + OwnCount + CopyCount);
        QStringList modified;
        QStringList bold;
        for (int index = 0; index < tree->topLevelItemCount(); ++index) {
            const QTreeWidgetItem *row = tree->topLevelItem(index);
            modified.append(row->text(4));
            if (row->font(2).bold())
                bold.append(row->text(2));
            QCOMPARE(row->childCount(), 1);
            QCOMPARE(row->child(0)->childCount(), 9);
        }
        QVERIFY(std::is_sorted(modified.cbegin(), modified.cend(), std::greater<QString>()));
        QCOMPARE(QSet<QString>(bold.cbegin(), bold.cend()), QSet<QString>(unread.cbegin(), unread.cend()));
        QCOMPARE(tree->currentItem()->text(2), QStringLiteral("Copy 499"));
        QCOMPARE(tree->savedMessage(1234)->message_subject(), "Own 234");
        QCOMPARE(browser.row(QStringLiteral("Copy 7"))->text(0), QStringLiteral("Lee, Ann B"));
        // The last column stretches over what the others leave.
        QCoreApplication::processEvents();
        for (int column = 0; column < tree->columnCount() - 1; ++column) {
            QCOMPARE(tree->header()->sectionResizeMode(column), QHeaderView::ResizeToContents);
            QVERIFY(tree->header()->sectionSize(column)
                    > tree->fontMetrics().horizontalAdvance(tree->topLevelItem(0)->text(column)));
        }
    }

    void loadingAFolder()
    {
        Browser browser = openLoaded();
        m_bus.server().clearRequests();

        browser.clickFolder(QStringLiteral("Work"));

        QCOMPARE(browser.subjects(), QStringList({"Plans", "RE: Budget"}));
        QCOMPARE(browser.folderNames(), QStringList({"Work", "Home"}));
        QCOMPARE(browser.modeName(), QStringLiteral("modeMessageFolderSelected"));
        QVERIFY(m_bus.requests(common::op::SelectMessageFolder).empty());
        const auto own = Parsed<data::SelectMessageRequest>(Lists(m_bus, 50));
        const auto copies = Parsed<data::SelectMessageUserRequest>(Lists(m_bus, 51));
        QCOMPARE(own.size(), size_t(1));
        QCOMPARE(copies.size(), size_t(1));
        QCOMPARE(own.front().message_folder_id(), Work);
        QCOMPARE(copies.front().message_user_message_folder_id(), Work);
    }

    void onlyTheAskingBrowserTakesALists()
    {
        Browser first(m_bus.openBrowser());
        Browser second(m_bus.openBrowser());

        first.clickRoot();

        QCOMPARE(first.subjects().size(), 4);
        QCOMPARE(second.subjects(), QStringList());
        QCOMPARE(second.folderNames(), QStringList());

        second.clickRoot();
        second.clickFolder(QStringLiteral("Home"));

        QCOMPARE(second.subjects(), QStringList());
        QCOMPARE(first.subjects().size(), 4);
        QVERIFY(!first.window()->isActiveView());
        QVERIFY(!second.window()->isActiveView());
    }

    void viewPermissionsExpandsTheList()
    {
        Browser browser(m_bus.openBrowser());
        browser.viewPermissions()->trigger();

        browser.clickRoot();

        QTreeWidgetItem *row = browser.row(QStringLiteral("Budget"));
        QVERIFY(row->isExpanded());
        QVERIFY(row->child(0)->isExpanded());

        browser.viewPermissions()->trigger();

        QVERIFY(!row->isExpanded());
    }

    // Clicks

    void clickShowsTheChain()
    {
        Browser browser = openLoaded();

        browser.clickRow(QStringLiteral("RE: Budget"));

        const QString shown = browser.reader()->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("Subject: RE: Budget")));
        QVERIFY(shown.contains(QStringLiteral("Subject: Budget")));
        QCOMPARE(browser.modeName(), QStringLiteral("modeMessagesSaved"));
        QCOMPARE(browser.states(), QStringLiteral("11000101111"));
    }

    void clickOnAPermissionRowShowsItsMessage()
    {
        Browser browser = openLoaded();
        QTreeWidgetItem *row = browser.row(QStringLiteral("Budget"));
        row->setExpanded(true);
        row->child(0)->setExpanded(true);

        browser.click(browser.messages(), row->child(0)->child(2));

        QVERIFY(browser.reader()->toPlainText().contains(QStringLiteral("Subject: Budget")));
        QCOMPARE(browser.modeName(), QStringLiteral("modeMessagesSaved"));
    }

    void doubleClickOpensWithTheShownChain_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("received");
        QTest::newRow("own message") << "Budget" << false;
        QTest::newRow("received copy") << "RE: Budget" << true;
    }

    void doubleClickOpensWithTheShownChain()
    {
        QFETCH(QString, subject);
        QFETCH(bool, received);
        Browser browser = openLoaded();

        browser.doubleClickRow(subject);

        // The opened window shows the chain the browser showed, and keeps no
        // copy of it to send back.
        const auto [whole, parents] =
            MessageViewer::getMessageChain(Edited(browser.row(subject)), false, false, false, false);
        const auto shownText = [](const QString &html) {
            QTextDocument document;
            document.setHtml(html);
            return document.toPlainText();
        };
        if (received) {
            QCOMPARE(ReaderIds(), QList<int>({4}));
            MessageReaderView *reader = OpenWindows<MessageReaderView>().first();
            QVERIFY(whole.contains(QStringLiteral("<b>Subject</b>: Budget")));
            QCOMPARE(reader->findChild<TextReader *>()->toPlainText(), shownText(whole));
            QVERIFY(!reader->getMessage().has_message_chain_cache());
            QVERIFY(!reader->getMessage().has_message_parent_chain_cache());
        } else {
            QCOMPARE(EditorIds(), QList<int>({1}));
            MessageEditorView *editor = OpenWindows<MessageEditorView>().first();
            // Budget answers nothing: its parents' chain is empty.
            QVERIFY(parents.isEmpty());
            QCOMPARE(editor->findChild<TextReader *>()->toPlainText(), shownText(parents));
            QVERIFY(!editor->getMessage().has_message_parent_chain_cache());
            QVERIFY(!editor->getMessage().has_message_chain_cache());
        }
        // Opening brings no reply; no browser stays marked for one.
        QVERIFY(!browser.window()->isActiveView());
    }

    void aClickWithoutAMessageRowIsWarnedAbout()
    {
        Browser browser = openLoaded();
        browser.clickRow(QStringLiteral("Budget"));
        const QString shown = browser.reader()->toHtml();
        auto *stray = new QTreeWidgetItem(browser.messages());

        QTest::ignoreMessage(QtWarningMsg,
                             "MessageBrowserMainPaneTreeWidget::getTopLevelItem: no top level item found!");
        browser.window()->messageItemClicked(stray, 0);

        QCOMPARE(browser.reader()->toHtml(), shown);
        QTest::ignoreMessage(QtWarningMsg,
                             "MessageBrowserMainPaneTreeWidget::getTopLevelItem: no top level item found!");
        QTest::ignoreMessage(QtWarningMsg, "MessageBrowserView::getMessage: no message found!");
        QCOMPARE(browser.window()->getMessage(stray).SerializeAsString(), std::string());
    }

    // Folders

    void newFolderInEveryBrowser()
    {
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        answerer.expect(EnterText(QStringLiteral(" Archive ")));

        first.action(0)->trigger();

        QCOMPARE(answerer.seen().value(0).title, QStringLiteral("New Message Folder"));
        QCOMPARE(answerer.seen().value(0).text, QStringLiteral("Message folder name:"));
        const auto inserts = Parsed<data::InsertMessageFolderRequest>(m_bus.requests(common::op::InsertMessageFolder));
        QCOMPARE(inserts.size(), size_t(1));
        const data::MessageFolder &folder = inserts.front().message_folder();
        QCOMPARE(folder.message_folder_name(), std::string(" Archive "));
        QCOMPARE(folder.message_folder_user_id(), Ann);
        QCOMPARE(folder.message_folder_parent_id(), Root);
        QVERIFY(!folder.has_message_folder_id());
        QVERIFY(folder.has_message_folder_description() && folder.message_folder_description().empty());
        QVERIFY(folder.has_message_folder_properties());
        QCOMPARE(folder.message_folder_creation_date().size(), size_t(26));
        const data::SecurityDescriptor &descriptor = folder.message_folder_security_descriptor();
        QCOMPARE(descriptor.active(), 1U);
        QCOMPARE(descriptor.active_from(), std::string("00:00:00"));
        QCOMPARE(descriptor.active_to(), std::string("00:00:00"));
        QCOMPARE(descriptor.expiration_date(), std::string("9999-12-31 00:00:00"));
        QVERIFY(descriptor.has_active_region() && descriptor.has_password() && descriptor.has_permissions()
                && descriptor.has_session_duration() && descriptor.has_audits() && descriptor.has_expiration_action());
        QVERIFY(!folder.has_message_folder_security_descriptor_password_length());
        for (const Browser &browser : {first, second})
            QCOMPARE(browser.folderNames(), QStringList({"Work", "Home", " Archive "}));
    }

    void newFolderNeedsAName_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancelled") << true;
        QTest::newRow("empty") << false;
    }

    void newFolderNeedsAName()
    {
        QFETCH(bool, cancel);
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        if (cancel)
            answerer.expect(QDialogButtonBox::Cancel);
        else
            answerer.expect(EnterText(QString()));

        browser.action(0)->trigger();

        QVERIFY(answerer.waitForAll());
        QVERIFY(m_bus.requests(common::op::InsertMessageFolder).empty());
    }

    void refusedFolderChangesChangeNothing_data()
    {
        QTest::addColumn<bool>("insert");
        QTest::newRow("insert") << true;
        QTest::newRow("delete") << false;
    }

    // Refused with a return code of 0 and no reason the user could act on:
    // no browser changes and nothing is shown.
    void refusedFolderChangesChangeNothing()
    {
        QFETCH(bool, insert);
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        first.clickFolder(QStringLiteral("Home"));
        if (insert) {
            data::InsertMessageFolderReply refusal;
            refusal.mutable_sql_diag_rec()->set_sqlc(83906754);
            refusal.set_message_folder_id(710);
            m_bus.server().reply(common::op::InsertMessageFolder, common::tag::Plain, refusal.SerializeAsString());
            answerer.expect(EnterText(QStringLiteral("Home")));
        } else {
            m_bus.server().reply(common::op::DeleteMessageFolder, common::tag::Plain,
                                 data::DeleteMessageFolderReply().SerializeAsString());
            answerer.expect(QMessageBox::Ok);
        }

        first.action(insert ? 0 : 6)->trigger();

        QVERIFY(answerer.waitForAll());
        QVERIFY(answerer.unexpected().isEmpty());
        QCOMPARE(m_bus.requests(insert ? 29 : 14).size(), size_t(1));
        for (const Browser &browser : {first, second})
            QCOMPARE(browser.folderNames(), QStringList({"Work", "Home"}));
        QCOMPARE(first.modeName(), QStringLiteral("modeMessageFolderSelected"));
    }

    void renamingAFolder()
    {
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        first.clickFolder(QStringLiteral("Home"));
        answerer.expect(EnterText(QStringLiteral("Home")));
        answerer.expect(EnterText(QStringLiteral("House")));

        first.action(4)->trigger();
        first.action(4)->trigger();

        QCOMPARE(answerer.seen().value(0).title, QStringLiteral("Edit Message Folder"));
        // The same name is sent as well.
        const auto updates = Parsed<data::UpdateMessageFolderRequest>(m_bus.requests(common::op::UpdateMessageFolder));
        QCOMPARE(updates.size(), size_t(2));
        QCOMPARE(updates.front().message_folder().message_folder_name(), std::string("Home"));
        QCOMPARE(updates.front().message_folder().message_folder_id(), Home);
        for (const Browser &browser : {first, second})
            QCOMPARE(browser.folderNames(), QStringList({"Work", "House"}));
    }

    void deletingAnEmptyFolder()
    {
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        first.clickFolder(QStringLiteral("Home"));
        answerer.expect(QMessageBox::Ok);

        first.action(6)->trigger();

        QCOMPARE(answerer.seen().value(0).title, QStringLiteral("Delete Message"));
        QCOMPARE(answerer.seen().value(0).text, QStringLiteral("Are you sure you want to delete this folder?"));
        QCOMPARE(answerer.seen().value(0).informativeText, QStringLiteral("Home"));
        QCOMPARE(Parsed<data::DeleteMessageFolderRequest>(m_bus.requests(common::op::DeleteMessageFolder))
                     .front()
                     .message_folder_id(),
                 Home);
        for (const Browser &browser : {first, second}) {
            QCOMPARE(browser.folderNames(), QStringList({"Work"}));
            QCOMPARE(browser.modeName(), QStringLiteral("modeMessageFolderDeleted"));
        }
        QCOMPARE(first.folders()->currentItem(), first.rootItem());
        QVERIFY(answerer.unexpected().isEmpty());
    }

    void aFolderThatHoldsMessagesStays()
    {
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        first.clickFolder(QStringLiteral("Work"));
        answerer.expect(QMessageBox::Ok);
        answerer.expect(QMessageBox::Ok);
        answerer.expect(QMessageBox::Ok);

        first.action(6)->trigger();

        QVERIFY(answerer.waitForAll());
        // Once in each browser.
        for (int index : {1, 2}) {
            QCOMPARE(answerer.seen().value(index).title, QStringLiteral("QuillaneClient"));
            QCOMPARE(answerer.seen().value(index).text,
                     QStringLiteral("You cannot delete a non-empty message folder."));
        }
        for (const Browser &browser : {first, second})
            QCOMPARE(browser.folderNames(), QStringList({"Work", "Home"}));
        QCOMPARE(first.subjects(), QStringList({"Plans", "RE: Budget"}));
    }

    // Messages

    void newMessageInEveryBrowserEditedInOne()
    {
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        first.clickFolder(QStringLiteral("Work"));
        answerer.expect(CreateMessage(QStringLiteral("  Offsite  ")));

        first.action(1)->trigger();

        QCOMPARE(answerer.seen().value(0).title, QStringLiteral("Create Message"));
        const auto inserts = Parsed<data::InsertMessageRequest>(m_bus.requests(common::op::InsertMessage));
        QCOMPARE(inserts.size(), size_t(1));
        const data::Message &message = inserts.front().message();
        QCOMPARE(message.message_subject(), std::string("Offsite"));
        QCOMPARE(message.message_folder_id(), Work);
        QCOMPARE(message.message_user_id(), Ann);
        QCOMPARE(message.message_sender().user_id(), Ann);
        QCOMPARE(message.message_security_descriptor().permissions(), 897U);
        QCOMPARE(inserts.front().message_user_size(), 0);
        QCOMPARE(inserts.front().message_document_size(), 0);
        QVERIFY(first.row(QStringLiteral("Offsite")));
        QVERIFY(second.row(QStringLiteral("Offsite")));
        const int id = Edited(first.row(QStringLiteral("Offsite"))).message_id();
        QVERIFY(m_bus.store().hasMessage(id));
        // Only the creating browser goes on in the editor.
        QCOMPARE(EditorIds(), QList<int>({id}));
        QVERIFY(!first.window()->isActiveView());
    }

    void refusedOrCancelledNewMessageChangesNothing_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("refused") << true;
        QTest::newRow("cancelled") << false;
    }

    void refusedOrCancelledNewMessageChangesNothing()
    {
        QFETCH(bool, refused);
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        data::InsertMessageReply refusal;
        refusal.mutable_sql_diag_rec()->set_sqlc(83906754);
        refusal.set_message_id(77);
        refusal.set_return_code(0);
        m_bus.server().reply(common::op::InsertMessage, common::tag::Plain, refusal.SerializeAsString());
        if (refused)
            answerer.expect(CreateMessage(QStringLiteral("Offsite")));
        else
            answerer.expect(
                [](QWidget *dialog) { dialog->findChild<QDialogButtonBox *>()->buttons().value(1)->click(); });

        first.action(1)->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_bus.requests(common::op::InsertMessage).size(), size_t(refused ? 1 : 0));
        for (const Browser &browser : {first, second})
            QCOMPARE(browser.subjects().size(), 4);
        QCOMPARE(EditorIds(), QList<int>());
        QVERIFY(answerer.unexpected().isEmpty());
    }

    void movingOntoAFolder_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("major");
        QTest::newRow("own message") << "Budget" << common::op::UpdateMessage;
        QTest::newRow("received copy") << "Lunch" << common::op::UpdateMessageUser;
    }

    void movingOntoAFolder()
    {
        QFETCH(QString, subject);
        QFETCH(int, major);
        Browser first = openLoaded();
        Browser second = openLoaded();
        second.clickFolder(QStringLiteral("Home"));
        const data::Message dragged = Edited(first.row(subject));
        first.rootItem()->setExpanded(true);
        std::unique_ptr<QMimeData> mimeData(new QMimeData);
        mimeData->setData(QStringLiteral("qorv/proto/Message"), QByteArray::fromStdString(dragged.SerializeAsString()));

        // Dropped on the Home folder of the first browser's tree.
        MessageBrowserSidePaneTreeWidget *folders = first.folders();
        const QPoint onHome = folders->visualItemRect(first.folderItem(QStringLiteral("Home"))).center();
        QVERIFY(testsupport::SyntheticDrag(folders, mimeData.get()).enterAndDrop(onHome));

        QCOMPARE(m_bus.requests(major).size(), size_t(1));
        QCOMPARE(m_bus.requests(major).front().minorOpcode, common::tag::MoveMessage);
        if (major == common::op::UpdateMessage) {
            const auto moves = Parsed<data::UpdateMessageRequest>(m_bus.requests(common::op::UpdateMessage));
            QCOMPARE(moves.front().message().message_id(), 1);
            QCOMPARE(moves.front().message().message_folder_id(), Home);
        } else {
            const auto moves = Parsed<data::UpdateMessageUserRequest>(m_bus.requests(common::op::UpdateMessageUser));
            const data::Message &moved = moves.front().message();
            QCOMPARE(moved.message_id(), 2);
            QCOMPARE(moved.message_user_message_id(), 2);
            QCOMPARE(moved.message_user_user_id(), Ann);
            QCOMPARE(moved.message_user_message_folder_id(), Home);
        }
        QCOMPARE(m_bus.store().folderOf(dragged.message_id(), Ann), Home);
        // Gone from the list of the root folder; the browser showing Home
        // does not hold the message and lists it at its next loading.
        QVERIFY(!first.row(subject));
        QVERIFY(!second.row(subject));
        second.clickFolder(QStringLiteral("Home"));
        QVERIFY(second.row(subject));
    }

    void movingOntoAnotherBrowsersList()
    {
        Browser first = openLoaded();
        Browser second = openLoaded();
        second.clickFolder(QStringLiteral("Home"));
        const data::Message dragged = Edited(first.row(QStringLiteral("Lunch")));
        std::unique_ptr<QMimeData> mimeData(new QMimeData);
        mimeData->setData(QStringLiteral("qorv/proto/Message"), QByteArray::fromStdString(dragged.SerializeAsString()));

        QVERIFY(second.messages()->dropMessage(first.messages(), Qt::MoveAction, mimeData.get()));

        QVERIFY(!first.row(QStringLiteral("Lunch")));
        QTreeWidgetItem *row = second.row(QStringLiteral("Lunch"));
        QVERIFY(row);
        // Listed whole, from the dragged record, in its new folder.
        const data::Message listed = Edited(row);
        QCOMPARE(listed.message_user_message_folder_id(), Home);
        QCOMPARE(listed.message_sender().user_id(), Bob);
        QCOMPARE(row->text(1), QStringLiteral("Ray, Bob"));
        QVERIFY(row->font(2).bold());
    }

    void deletingMessages_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("major");
        QTest::newRow("own message") << "Plans" << common::op::DeleteMessage;
        QTest::newRow("received copy") << "Lunch" << common::op::DeleteMessageUser;
    }

    void deletingMessages()
    {
        QFETCH(QString, subject);
        QFETCH(int, major);
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        first.clickRow(subject);
        answerer.expect(QMessageBox::Ok);

        first.action(7)->trigger();

        QCOMPARE(answerer.seen().value(0).text, QStringLiteral("Are you sure you want to delete this message?"));
        QCOMPARE(answerer.seen().value(0).informativeText, subject);
        if (major == common::op::DeleteMessage) {
            const auto deletes = Parsed<data::DeleteMessageRequest>(m_bus.requests(common::op::DeleteMessage));
            QCOMPARE(deletes.front().message_id(), 3);
            // Named, so that the deletion is audited.
            QCOMPARE(deletes.front().message_user_id(), Ann);
            QCOMPARE(deletes.front().message_subject(), subject.toStdString());
        } else {
            const auto deletes = Parsed<data::DeleteMessageUserRequest>(m_bus.requests(common::op::DeleteMessageUser));
            QCOMPARE(deletes.front().message_user_message_id(), 2);
            QCOMPARE(deletes.front().message_user_user_id(), Ann);
        }
        for (const Browser &browser : {first, second}) {
            QVERIFY(!browser.row(subject));
            QCOMPARE(browser.modeName(), QStringLiteral("modeMessageDeleted"));
        }
        QVERIFY(first.reader()->toPlainText().isEmpty());
    }

    void referencedMessagesStay_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::newRow("own message, refused with an error") << "Budget";
        QTest::newRow("received copy, refused by its return code") << "Lunch";
    }

    void referencedMessagesStay()
    {
        QFETCH(QString, subject);
        DialogAnswerer answerer;
        // Cy answers Lunch, so Ann's copy is referenced too.
        data::Message answer = MessageStore::Message(5, "RE: Lunch", Cy, 600, AllPermissions, "2026-01-06 10:00:00");
        answer.set_message_parent_id(2);
        m_bus.store().addMessage(answer);
        Browser first = openLoaded();
        Browser second = openLoaded();
        first.clickRow(subject);
        for (int answers = 0; answers < 3; ++answers)
            answerer.expect(QMessageBox::Ok);

        first.action(7)->trigger();

        QVERIFY(answerer.waitForAll());
        for (int index : {1, 2})
            QCOMPARE(answerer.seen().value(index).text, QStringLiteral("You cannot delete a referenced message."));
        for (const Browser &browser : {first, second})
            QVERIFY(browser.row(subject));
        QCOMPARE(first.modeName(), QStringLiteral("modeMessagesSaved"));
    }

    void refusedDeletionChangesNothing()
    {
        DialogAnswerer answerer;
        Browser first = openLoaded();
        Browser second = openLoaded();
        data::DeleteMessageReply refusal;
        refusal.set_return_code(0);
        m_bus.server().reply(common::op::DeleteMessage, common::tag::Plain, refusal.SerializeAsString());
        first.clickRow(QStringLiteral("Plans"));
        answerer.expect(QMessageBox::Ok);

        first.action(7)->trigger();

        QVERIFY(answerer.waitForAll());
        for (const Browser &browser : {first, second})
            QVERIFY(browser.row(QStringLiteral("Plans")));
        QVERIFY(answerer.unexpected().isEmpty());
    }

    void cancelledDeletionSendsNothing()
    {
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        browser.clickRow(QStringLiteral("Plans"));
        answerer.expect(QMessageBox::Cancel);

        browser.action(7)->trigger();

        QVERIFY(answerer.waitForAll());
        QVERIFY(m_bus.requests(common::op::DeleteMessage).empty());
        QVERIFY(browser.row(QStringLiteral("Plans")));
    }

    void openingAnUnreadCopyMarksItReadEverywhere()
    {
        Browser first = openLoaded();
        Browser second = openLoaded();
        m_bus.server().clearRequests();

        first.doubleClickRow(QStringLiteral("Lunch"));

        // One mark per browser, then the reader.
        const auto marks = Parsed<data::UpdateMessageUserRequest>(m_bus.requests(common::op::UpdateMessageUser));
        QCOMPARE(marks.size(), size_t(2));
        for (const data::UpdateMessageUserRequest &mark : marks) {
            QCOMPARE(mark.message().message_id(), 2);
            QCOMPARE(mark.message().message_user_message_id(), 2);
            QCOMPARE(mark.message().message_user_user_id(), Ann);
            QCOMPARE(mark.message().message_user_properties(), 0U);
            QCOMPARE(m_bus.requests(common::op::UpdateMessageUser).front().minorOpcode, common::tag::Plain);
        }
        QCOMPARE(m_bus.store().recipientProperties(2, Ann), 0U);
        for (const Browser &browser : {first, second}) {
            QTreeWidgetItem *row = browser.row(QStringLiteral("Lunch"));
            QVERIFY(!row->font(2).bold() && !row->font(4).bold());
            QCOMPARE(Edited(row).message_user_properties(), 0U);
            QVERIFY(!browser.window()->isActiveView());
        }
        QCOMPARE(ReaderIds(), QList<int>({2}));
    }

    // A browser that goes while it waits for a reply leaves no mark behind,
    // not even for a browser made in its place.
    void destroyedBrowserLeavesNoMark()
    {
        alignas(MessageBrowserView) unsigned char place[sizeof(MessageBrowserView)];
        auto *gone = new (place) MessageBrowserView(nullptr);
        gone->setActiveView(true);
        gone->~MessageBrowserView();

        auto *successor = new (place) MessageBrowserView(nullptr);

        QVERIFY(!successor->isActiveView());
        successor->~MessageBrowserView();
    }

    // Permissions

    void savingEditedPermissions()
    {
        Browser first = openLoaded();
        Browser second = openLoaded();
        QTreeWidgetItem *row = first.row(QStringLiteral("Budget"));
        QTreeWidgetItem *print = row->child(0)->child(4);
        print->setCheckState(0, Qt::Unchecked);

        first.clickRow(QStringLiteral("Budget"));

        QCOMPARE(first.modeName(), QStringLiteral("modeMessageModified"));
        QCOMPARE(first.states(), QStringLiteral("11110101101"));

        first.save()->trigger();

        const auto saves = Parsed<data::UpdateMessageRequest>(m_bus.requests(common::op::UpdateMessage));
        QCOMPARE(saves.size(), size_t(1));
        QCOMPARE(m_bus.requests(common::op::UpdateMessage).front().minorOpcode, common::tag::Plain);
        QCOMPARE(saves.front().message().message_security_descriptor().permissions(), AllPermissions & ~(1U << 6));
        QCOMPARE(saves.front().message().message_subject(), std::string("Budget"));
        QCOMPARE(first.modeName(), QStringLiteral("modeMessagesSaved"));
        for (const Browser &browser : {first, second}) {
            QVERIFY(!browser.messages()->isMessageModified());
            QCOMPARE(browser.row(QStringLiteral("Budget"))->child(0)->child(4)->checkState(0), Qt::Unchecked);
            QVERIFY(browser.reader()->toPlainText().contains(QStringLiteral("Subject: Budget")));
        }
    }

    void editsOfAReceivedCopyAreNeverSent()
    {
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        QTreeWidgetItem *row = browser.row(QStringLiteral("Lunch"));
        row->child(0)->child(4)->setCheckState(0, Qt::Unchecked);
        browser.clickRow(QStringLiteral("Lunch"));
        QVERIFY(browser.save()->isEnabled());

        browser.save()->trigger();
        answerer.expect(QMessageBox::Yes);
        browser.saveAll()->trigger();

        QVERIFY(answerer.waitForAll());
        QVERIFY(m_bus.requests(common::op::UpdateMessage).empty());
    }

    void saveAllAnsweredNoKeepsTheEditsUntilTheNextLoading()
    {
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        for (const QString &subject : {QStringLiteral("Budget"), QStringLiteral("Plans")})
            browser.row(subject)->child(0)->child(8)->setCheckState(0, Qt::Unchecked);
        browser.clickRow(QStringLiteral("Plans"));
        browser.clickRow(QStringLiteral("Budget"));
        answerer.expect(QMessageBox::No);

        browser.saveAll()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().value(0).title, QStringLiteral("Save Permissions"));
        QCOMPARE(answerer.seen().value(0).text, QStringLiteral("Save permissions?"));
        QCOMPARE(answerer.seen().value(0).informativeText.split(QStringLiteral("<br>")).size(), 2);
        QCOMPARE(browser.modeName(), QStringLiteral("modeMessageReverted"));
        QVERIFY(browser.save()->isEnabled() && browser.saveAll()->isEnabled());
        QVERIFY(m_bus.requests(common::op::UpdateMessage).empty());

        // Loading a folder asks again; this time both are saved.
        answerer.expect(QMessageBox::Yes);
        browser.clickFolder(QStringLiteral("Home"));

        QVERIFY(answerer.waitForAll());
        const auto saves = Parsed<data::UpdateMessageRequest>(m_bus.requests(common::op::UpdateMessage));
        QCOMPARE(saves.size(), size_t(2));
        for (const data::UpdateMessageRequest &save : saves)
            QCOMPARE(save.message().message_security_descriptor().permissions(), AllPermissions & ~(1U << 10));
        QCOMPARE(browser.subjects(), QStringList());
    }

    void closingAsksOnceAndClosesAnyway()
    {
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        browser.row(QStringLiteral("Budget"))->child(0)->child(8)->setCheckState(0, Qt::Unchecked);
        browser.clickRow(QStringLiteral("Budget"));
        QPointer<MessageBrowserView> window = browser.window();
        answerer.expect(QMessageBox::No);

        QVERIFY(window->close());

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(!window->isVisible());
        QVERIFY(m_bus.requests(common::op::UpdateMessage).empty());
    }

    // Search and options

    void searchOpensTheFoundMessages()
    {
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        m_bus.server().clearRequests();
        answerer.expect([](QWidget *dialog) {
            auto *search = qobject_cast<MessageSearchDialog *>(dialog);
            if (!search) {
                dialog->close();
                return;
            }
            search->search();
            search->findChild<QTableWidget *>()->selectAll();
            search->accept();
        });

        browser.action(10)->trigger();

        QVERIFY(answerer.waitForAll());
        // The root folder that the "Messages" item holds, the user's messages.
        const auto own = Parsed<data::SelectMessageRequest>(m_bus.requests(common::op::SelectMessage));
        QVERIFY(!own.empty());
        QCOMPARE(own.front().message_folder_id(), Root);
        QCOMPARE(own.front().message_user_id(), Ann);
        QCOMPARE(EditorIds(), QList<int>({1}));
        QCOMPARE(ReaderIds(), QList<int>({2}));
    }

    void searchWithoutASelectedFolderDoesNothing()
    {
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        browser.folders()->clearSelection();

        browser.window()->searchMessages();

        QVERIFY(answerer.sawNoDialog());
    }

    void optionsTakeEffectAtTheNextLoading()
    {
        DialogAnswerer answerer;
        Browser browser = openLoaded();
        answerer.expect([](QWidget *dialog) {
            for (QRadioButton *choice : dialog->findChildren<QRadioButton *>()) {
                if (!choice->isChecked())
                    choice->click();
            }
            dialog->findChild<QDialogButtonBox *>()->buttons().value(0)->click();
        });

        browser.action(11)->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(Settings().value(QStringLiteral("MessageBrowser/Options/ActivationMode")).toInt(), 1);
        QCOMPARE(browser.subjects().size(), 4);
        browser.action(8)->trigger();
        QCOMPARE(browser.subjects(), QStringList({"Budget", "Lunch"}));
    }

private:
    static data::Message Edited(const QTreeWidgetItem *row)
    {
        return row->data(0, EditedRecordRole).value<data::Message>();
    }
};

QTEST_MAIN(TestMessageBrowser)
#include "tst_messagebrowser.moc"
