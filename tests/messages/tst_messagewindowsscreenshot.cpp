#include "common/majorcode.h"
#include "common/minortag.h"
#include "createmessagedialog.h"
#include "layoutcheck.h"
#include "messagebus.h"
#include "messageeditor.h"
#include "messageeditorview.h"
#include "messagereaderview.h"
#include "screenshot.h"
#include "testenvironment.h"
#include "textreader.h"

#include "selectmessagedocumentreply3.pb.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

QORV_ISOLATE_TEST_ENVIRONMENT()

using messagestest::MessageBus;
using messagestest::MessageStore;
using messagestest::OpenWindows;
namespace data = qorv::data;

namespace
{
constexpr int Ann = MessageStore::SessionUserId;
constexpr int Root = MessageStore::RootFolderId;
}

// The message editor with its recipients and an attachment, and the reader
// of the answer, kept as pictures in the build tree.
class TestMessageWindowsScreenshot : public QObject
{
    Q_OBJECT

private:
    MessageBus m_bus;

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("UTC");
        QVERIFY(MessageBus::setUpLikeTheProgram());
    }

    void init()
    {
        QVERIFY(m_bus.start());
        MessageStore &store = m_bus.store();
        store.addUser(MessageStore::User(Ann, "Ann", "B", "Lee", Root));
        store.addUser(MessageStore::User(7, "Bob", "", "Ray", 500));
        store.addUser(MessageStore::User(8, "Cy", "J", "Dee", 600));
        data::Message budget =
            MessageStore::Message(1, "Budget for the spring fair", Ann, Root, 0x7FF, "2026-03-02 09:15:00");
        budget.set_message_body("<p>Here are the figures for the <b>spring fair</b>. Please check the catering "
                                "line before Friday.</p>");
        store.addMessage(budget);
        store.addRecipient(1, 7, data::Message::TO, 500);
        store.addRecipient(1, 8, data::Message::CC, 600);
        data::Message answer =
            MessageStore::Message(2, "RE: Budget for the spring fair", 7, 500, 0x7FF, "2026-03-03 11:40:00");
        *answer.mutable_message_sender() = MessageStore::User(7, "Bob", "", "Ray", 500);
        answer.set_message_parent_id(1);
        answer.set_message_parent_relation(data::Message::PARENT_RELATION_REPLY);
        answer.set_message_body("<p>The catering line looks <i>too low</i> to me; the caterer raised prices.</p>");
        store.addMessage(answer);
        store.addRecipient(2, Ann, data::Message::TO, Root);
        store.addRecipient(2, 8, data::Message::CC, 600);

        data::SelectMessageDocumentReply attached;
        data::MessageDocument *row = attached.add_message_document();
        row->mutable_message_document_document()->set_document_id(31);
        row->mutable_message_document_document()->set_document_name("Fair budget.xls");
        m_bus.server().reply(common::op::SelectMessageDocument, common::tag::Plain, attached.SerializeAsString());
    }

    void cleanup() { m_bus.stop(); }

    void messageEditor()
    {
        m_bus.openMessage(m_bus.store().message(1));
        QCOMPARE(OpenWindows<MessageEditorView>().size(), 1);
        MessageEditorView *window = OpenWindows<MessageEditorView>().first();
        window->resize(1100, 700);
        const testsupport::Screenshot shot(window, QStringLiteral("messageeditor"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        auto *to = window->findChild<QLineEdit *>(QStringLiteral("toLineEdit"));
        auto *list = window->findChild<QListWidget *>(QStringLiteral("attachmentsListWidget"));
        QCOMPARE(to->text(), QStringLiteral("Ray, Bob"));
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("ccLineEdit"))->text(), QStringLiteral("Dee, Cy J"));
        QCOMPARE(list->count(), 1);
        QVERIFY(shot.colours(to) >= 8);
        QVERIFY(shot.colours(list) >= 16);
    }

    // At the smallest window size every tool bar shows all its controls and
    // the text being written takes most of the room left to the two texts.
    void messageEditorAtTheSmallestSize()
    {
        m_bus.openMessage(m_bus.store().message(1));
        QCOMPARE(OpenWindows<MessageEditorView>().size(), 1);
        MessageEditorView *window = OpenWindows<MessageEditorView>().first();
        window->resize(800, 600);
        const testsupport::Screenshot shot(window, QStringLiteral("messageeditor-800x600"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QCOMPARE(window->size(), QSize(800, 600));
        for (const QToolBar *toolBar : window->findChildren<QToolBar *>()) {
            if (toolBar->isVisible())
                QVERIFY2(testsupport::ShowsEveryItem(toolBar), qPrintable(toolBar->windowTitle()));
        }
        const auto *editor = window->findChild<MessageEditor *>();
        const auto *chain = window->findChild<TextReader *>();
        QVERIFY(editor && chain);
        QVERIFY2(editor->height() >= 2 * chain->height(),
                 qPrintable(QStringLiteral("%1 / %2").arg(editor->height()).arg(chain->height())));
        QVERIFY2(editor->height() >= 180, qPrintable(QString::number(editor->height())));
        QVERIFY(shot.colours(editor) >= 8);
    }

    // The three tab titles are shown whole, with no scroll arrows.
    void createMessageDialog()
    {
        data::Message message;
        CreateMessageDialog dialog(&message, nullptr);
        dialog.show();
        const testsupport::Screenshot shot(&dialog, QStringLiteral("createmessagedialog"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        const auto *tabs = dialog.findChild<QTabWidget *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 3);
        QVERIFY(testsupport::ShowsEveryTabWhole(tabs));
        QVERIFY(shot.colours(tabs->tabBar()) >= 8);
    }

    void messageReader()
    {
        data::Message copy = m_bus.store().message(2);
        copy.set_message_user_is_recipient(true);
        copy.set_message_user_message_folder_id(Root);
        m_bus.openMessage(copy);
        QCOMPARE(OpenWindows<MessageReaderView>().size(), 1);
        MessageReaderView *window = OpenWindows<MessageReaderView>().first();
        window->resize(1100, 700);
        const testsupport::Screenshot shot(window, QStringLiteral("messagereader"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        auto *reader = window->findChild<TextReader *>();
        QVERIFY(reader->toPlainText().contains(QStringLiteral("too low")));
        QVERIFY(shot.colours(reader) >= 8);
        QVERIFY(shot.colours(window->findChild<QListWidget *>()) >= 16);
    }
};

QTEST_MAIN(TestMessageWindowsScreenshot)
#include "tst_messagewindowsscreenshot.moc"
