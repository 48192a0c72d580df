#include "messagebrowsermainpanetreewidget.h"
#include "messagebrowsersidepanetreewidget.h"
#include "messagebrowserview.h"
#include "messagebus.h"
#include "screenshot.h"
#include "testenvironment.h"
#include "textreader.h"

#include <QMenuBar>
#include <QTest>
#include <QToolBar>

QORV_ISOLATE_TEST_ENVIRONMENT()

using messagestest::MessageBus;
using messagestest::MessageStore;
namespace data = qorv::data;

namespace
{
QTreeWidgetItem *Row(const QTreeWidget *tree, const QString &subject)
{
    for (int index = 0; index < tree->topLevelItemCount(); ++index) {
        if (tree->topLevelItem(index)->text(2) == subject)
            return tree->topLevelItem(index);
    }
    return nullptr;
}
}

// The message browser filled from the test server, with a conversation shown
// in its chain view, kept as a picture in the build tree.
class TestMessageBrowserScreenshot : public QObject
{
    Q_OBJECT

private:
    MessageBus m_bus;

    void addMessages()
    {
        MessageStore &store = m_bus.store();
        store.addUser(MessageStore::User(MessageStore::SessionUserId, "Ann", "B", "Lee", MessageStore::RootFolderId));
        store.addUser(MessageStore::User(7, "Bob", "", "Ray", 500));
        store.addUser(MessageStore::User(8, "Cy", "J", "Dee", 600));
        store.addFolder(701, MessageStore::RootFolderId, "Projects");
        store.addFolder(702, MessageStore::RootFolderId, "Travel");
        store.addFolder(703, MessageStore::RootFolderId, "Archive");
        data::Message budget = MessageStore::Message(1, "Budget for the spring fair", MessageStore::SessionUserId,
                                                     MessageStore::RootFolderId, 0x3C9, "2026-03-02 09:15:00");
        budget.set_message_body("<p>Here are the figures for the <b>spring fair</b>. Please check the catering line "
                                "before Friday.</p>");
        store.addMessage(budget);
        store.addRecipient(1, 7, data::Message::TO, 500);
        store.addRecipient(1, 8, data::Message::CC, 600);
        data::Message answer =
            MessageStore::Message(2, "RE: Budget for the spring fair", 7, 500, 0x3C9, "2026-03-03 11:40:00");
        answer.set_message_parent_id(1);
        answer.set_message_parent_relation(data::Message::PARENT_RELATION_REPLY);
        answer.set_message_body("<p>The catering line looks <i>too low</i> to me; the caterer raised prices.</p>");
        store.addMessage(answer);
        store.addRecipient(2, MessageStore::SessionUserId, data::Message::TO, MessageStore::RootFolderId, 1);
        data::Message trip = MessageStore::Message(3, "Train tickets", 8, 600, 0x781, "2026-03-04 16:05:00");
        trip.set_message_parent_relation(data::Message::PARENT_RELATION_FORWARD);
        store.addMessage(trip);
        store.addRecipient(3, MessageStore::SessionUserId, data::Message::TO, 702);
        store.addMessage(MessageStore::Message(4, "Minutes of Monday", MessageStore::SessionUserId,
                                               MessageStore::RootFolderId, 0x781, "2026-03-01 17:30:00"));
        store.addRecipient(4, 7, data::Message::TO, 500);
        store.addRecipient(4, 8, data::Message::TO, 600);
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
    }

    void cleanup() { m_bus.stop(); }

    void messageBrowser()
    {
        MessageBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        window->resize(1200, 700);
        auto *folders = window->findChild<MessageBrowserSidePaneTreeWidget *>();
        auto *messages = window->findChild<MessageBrowserMainPaneTreeWidget *>();
        auto *reader = window->findChild<TextReader *>();
        QVERIFY(folders && messages && reader);
        folders->setCurrentItem(folders->topLevelItem(0));
        window->messagesSelected();
        folders->topLevelItem(0)->setExpanded(true);
        QCoreApplication::processEvents();
        QTreeWidgetItem *answer = Row(messages, QStringLiteral("RE: Budget for the spring fair"));
        QVERIFY(answer);
        messages->setCurrentItem(answer);
        window->messageItemClicked(answer, 2);
        QTreeWidgetItem *budget = Row(messages, QStringLiteral("Budget for the spring fair"));
        budget->setExpanded(true);
        budget->child(0)->setExpanded(true);

        const testsupport::Screenshot shot(window, QStringLiteral("messagebrowser"));

        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.image().width() >= 800);
        QVERIFY(shot.image().height() >= 600);
        QCOMPARE(folders->topLevelItem(0)->childCount(), 3);
        QCOMPARE(messages->topLevelItemCount(), 4);
        QVERIFY(reader->toPlainText().contains(QStringLiteral("too low")));
        const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar && toolBar->isVisible());
        QVERIFY(shot.colours(window->menuBar()) >= 8);
        QVERIFY(shot.colours(toolBar) >= 16);
        QVERIFY(shot.colours(folders) >= 16);
        QVERIFY(shot.colours(messages) >= 16);
        QVERIFY(shot.colours(reader) >= 8);
    }
};

QTEST_MAIN(TestMessageBrowserScreenshot)
#include "tst_messagebrowserscreenshot.moc"
