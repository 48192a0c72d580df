#include "common/majorcode.h"
#include "common/minortag.h"
#include "dialoganswerer.h"
#include "itemrole.h"
#include "messageattachmentitem.h"
#include "messagebus.h"
#include "messagecast.h"
#include "messageeditorview.h"
#include "messagereaderview.h"
#include "sentrequests.h"
#include "testenvironment.h"

#include "documentkey3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

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
constexpr int Inbox = 704;

// Ann's copy of one of Bob's messages, kept in her Inbox folder.
data::Message ReceivedCopy(int id, const std::string &subject, unsigned int permissions)
{
    data::Message copy = MessageStore::Message(id, subject, Bob, 500, permissions, "2026-01-03 10:00:00");
    *copy.mutable_message_sender() = MessageStore::User(Bob, "Bob", "", "Ray", 500);
    copy.set_message_user_is_recipient(true);
    copy.set_message_user_message_id(id);
    copy.set_message_user_user_id(Ann);
    copy.set_message_user_message_folder_id(Inbox);
    return copy;
}

// A key whose rules let it open now: active every month and day, the view
// permission, no passcode, never expiring.
data::DocumentKey OpenableKey(int documentId)
{
    data::DocumentKey key;
    *key.mutable_document_key_document() = MessageStore::Document(documentId, "Plan");
    key.mutable_document_key_user()->set_user_id(Ann);
    data::SecurityDescriptor *rules = key.mutable_document_key_security_descriptor();
    rules->set_active(0xFFFFF);
    rules->set_permissions(0xFFF);
    rules->set_expiration_date("9999-12-31 00:00:00");
    return key;
}

// (user, field) of every recipient row, in order.
using RecipientRows = QList<QPair<int, int>>;

RecipientRows Rows(const data::InsertMessageRequest &request)
{
    RecipientRows rows;
    for (const data::Message &row : request.message_user())
        rows.append({row.message_user_user_id(), row.message_user_field()});
    return rows;
}
}

Q_DECLARE_METATYPE(data::Message_rfield)

// The reader of a received message against the test server: the three
// answers and the windows they open and close, the permissions on them, and
// the attachments opened through the user's keys.
class TestMessageReader : public QObject
{
    Q_OBJECT

private:
    MessageBus m_bus;

    MessageReaderView *openReader(const data::Message &copy) { return m_bus.openWindow<MessageReaderView>(copy); }

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
        store.addUser(MessageStore::User(Bob, "Bob", "", "Ray", 500));
        store.addUser(MessageStore::User(Cy, "Cy", "", "Dee", 600));
        store.addUser(MessageStore::User(Dan, "Dan", "", "Fox", 650));
        store.addFolder(Inbox, Root, "Inbox");
        // Bob wrote to Ann and Cy, with a copy to Dan.
        store.addMessage(ReceivedCopy(2, "Lunch", AllPermissions));
        store.addRecipient(2, Ann, data::Message::TO, Inbox);
        store.addRecipient(2, Cy, data::Message::TO, 600);
        store.addRecipient(2, Dan, data::Message::CC, 650);
        store.addMessage(ReceivedCopy(5, "Trip", AllPermissions));
        store.addRecipient(5, Ann, data::Message::TO, Inbox);
    }

    void cleanup() { m_bus.stop(); }

    void answers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<data::Message_rfield>("relation");
        QTest::addColumn<RecipientRows>("rows");
        QTest::newRow("reply") << "ReplyTo" << data::Message::PARENT_RELATION_REPLY
                               << RecipientRows{{Bob, data::Message::TO}};
        QTest::newRow("reply to all") << "ReplyToAll" << data::Message::PARENT_RELATION_REPLY_ALL
                                      << RecipientRows{{Bob, data::Message::TO},
                                                       {Cy, data::Message::CC},
                                                       {Dan, data::Message::CC}};
        QTest::newRow("forward") << "ForwardTo" << data::Message::PARENT_RELATION_FORWARD << RecipientRows{};
    }

    // Each answer is a new message of Ann's under the answered one, kept in
    // the folder of her copy; it opens in the editor and the reader closes.
    void answers()
    {
        QFETCH(QString, button);
        QFETCH(data::Message_rfield, relation);
        QFETCH(RecipientRows, rows);
        QPointer<MessageReaderView> reader = openReader(ReceivedCopy(2, "Lunch", AllPermissions));
        QVERIFY(reader);
        const QString text = QCoreApplication::translate("MessageReaderView", button.toLatin1().constData());
        QPushButton *pressed = nullptr;
        for (QPushButton *candidate : reader->findChildren<QPushButton *>()) {
            if (candidate->text() == text)
                pressed = candidate;
        }
        QVERIFY(pressed);
        pressed->click();

        const auto inserts = Parsed<data::InsertMessageRequest>(m_bus.requests(common::op::InsertMessage));
        QCOMPARE(inserts.size(), std::size_t(1));
        const data::Message &answer = inserts.front().message();
        QCOMPARE(answer.message_user_id(), Ann);
        QCOMPARE(answer.message_parent_id(), 2);
        QCOMPARE(answer.message_parent_relation(), relation);
        QCOMPARE(answer.message_subject(), std::string("RE: Lunch"));
        QCOMPARE(answer.message_folder_id(), Inbox);
        QCOMPARE(answer.message_security_descriptor().permissions(), AllPermissions);
        QCOMPARE(answer.message_sender().user_id(), Ann);
        QCOMPARE(Rows(inserts.front()), rows);
        for (const data::Message &row : inserts.front().message_user())
            QVERIFY(!row.message_user_creation_date().empty());

        QTRY_VERIFY(!reader);
        const QList<MessageEditorView *> editors = OpenWindows<MessageEditorView>();
        QCOMPARE(editors.size(), 1);
        QVERIFY(editors.first()->getMessage().message_id() >= 900);
        QCOMPARE(editors.first()->getMessage().message_subject(), std::string("RE: Lunch"));
    }

    // A refused insert opens no editor, and the reader stays with the
    // message the user meant to answer, saying so.
    void refusedAnswerKeepsTheReader()
    {
        MessageReaderView *reader = openReader(ReceivedCopy(2, "Lunch", AllPermissions));
        QVERIFY(reader);
        m_bus.server().reply(common::op::InsertMessage, common::tag::Plain,
                             data::InsertMessageReply().SerializeAsString(), 4, 0);
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        reader->replyTo();
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().at(0).text,
                 QStringLiteral("The answer could not be created, so this message stays open. Please try again "
                                "later."));
        QCoreApplication::processEvents();
        QCOMPARE(OpenWindows<MessageReaderView>().size(), 1);
        QVERIFY(OpenWindows<MessageEditorView>().isEmpty());
    }

    // Every reader sees the insert reply; only the one that answered opens
    // the editor and closes.
    void onlyTheAnsweringReaderActs()
    {
        QPointer<MessageReaderView> lunch = openReader(ReceivedCopy(2, "Lunch", AllPermissions));
        QPointer<MessageReaderView> trip = openReader(ReceivedCopy(5, "Trip", AllPermissions));
        QVERIFY(lunch && trip);
        trip->forwardTo();
        QTRY_VERIFY(!trip);
        QVERIFY(lunch && lunch->isVisible());
        QCOMPARE(OpenWindows<MessageEditorView>().size(), 1);
        QCOMPARE(OpenWindows<MessageEditorView>().first()->getMessage().message_subject(), std::string("RE: Trip"));
    }

    void permissions_data()
    {
        QTest::addColumn<unsigned int>("permissions");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("all") << AllPermissions << "111";
        QTest::newRow("no reply") << (AllPermissions & ~(1u << 8)) << "011";
        QTest::newRow("no reply to all") << (AllPermissions & ~(1u << 9)) << "101";
        QTest::newRow("no forward") << (AllPermissions & ~(1u << 10)) << "110";
        QTest::newRow("view only") << 1u << "000";
    }

    void permissions()
    {
        QFETCH(unsigned int, permissions);
        QFETCH(QString, enabled);
        MessageReaderView *reader = openReader(ReceivedCopy(2, "Lunch", permissions));
        QVERIFY(reader);
        QString states;
        for (const char *key : {"ReplyTo", "ReplyToAll", "ForwardTo"}) {
            const QString text = QCoreApplication::translate("MessageReaderView", key);
            for (QPushButton *button : reader->findChildren<QPushButton *>()) {
                if (button->text() == text)
                    states += button->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            }
        }
        QCOMPARE(states, enabled);
    }

    // A message with a few thousand attachments lists each of them once, in
    // the order the server gives them.
    void manyAttachmentsKeepTheServersOrder()
    {
        constexpr int Count = 3000;
        QList<data::Document> documents;
        QStringList names;
        for (int index = 0; index < Count; ++index) {
            const QString name = QStringLiteral("Figures %1").arg((index * 7919) % 10000, 4, 10, QLatin1Char('0'));
            documents.append(MessageStore::Document(100 + index, name.toStdString()));
            names.append(name);
        }
        m_bus.attach(2, documents);
        MessageReaderView *reader = openReader(ReceivedCopy(2, "Lunch", AllPermissions));
        QVERIFY(reader);
        auto *list = reader->findChild<QListWidget *>();
        QStringList listed;
        for (int row = 0; row < list->count(); ++row)
            listed.append(list->item(row)->text());
        QCOMPARE(listed, names);
        QCOMPARE(MessageAttachmentItem::document(list->item(Count - 1)).document_id(), 100 + Count - 1);
    }

    void attachments_data()
    {
        QTest::addColumn<int>("keys");
        QTest::newRow("no key") << 0;
        QTest::newRow("one key") << 1;
        QTest::newRow("several keys") << 2;
    }

    // An attachment opens through Ann's one key for it; without exactly one
    // she is told whom to ask.
    void attachments()
    {
        QFETCH(int, keys);
        m_bus.attach(2, {MessageStore::Document(31, "Plan")});
        data::SelectDocumentKeyReply held;
        for (int key = 0; key < keys; ++key)
            *held.add_document_key() = OpenableKey(31);
        m_bus.server().reply(common::op::SelectDocumentKey, common::tag::Plain, held.SerializeAsString());

        MessageReaderView *reader = openReader(ReceivedCopy(2, "Lunch", AllPermissions));
        QVERIFY(reader);
        auto *list = reader->findChild<QListWidget *>();
        QVERIFY(list);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Plan"));
        QCOMPARE(list->item(0)->type(), 2004);

        DialogAnswerer answerer;
        if (keys != 1)
            answerer.expect(QMessageBox::Ok);
        reader->documentItemDoubleClicked(list->item(0));

        const auto lookUps = Parsed<data::SelectDocumentKeyRequest>(m_bus.requests(common::op::SelectDocumentKey));
        QVERIFY(!lookUps.empty());
        QCOMPARE(lookUps.front().document_key_document_id(), 31);
        QCOMPARE(lookUps.front().document_key_user_id(), Ann);
        int opened = 0;
        for (const testsupport::TestRequest &request : m_bus.requests(common::op::SelectDocumentKey))
            opened += request.minorOpcode == common::tag::OpenDocumentEditor ? 1 : 0;
        if (keys == 1) {
            QCOMPARE(opened, 1);
            QVERIFY(answerer.sawNoDialog());
        } else {
            QCOMPARE(opened, 0);
            QCOMPARE(answerer.seen().size(), 1);
            QCOMPARE(answerer.seen().at(0).text, QStringLiteral("Access denied: Plan"));
            QVERIFY(answerer.seen().at(0).informativeText.contains(QStringLiteral("document ('Plan')")));
            QVERIFY(answerer.seen().at(0).informativeText.contains(QStringLiteral("the owner of 'Plan'")));
        }
    }

    // Nothing may leave the reader until the matching filter narrows the
    // chain to what its authors allow.
    void filtersOpenTheActions()
    {
        MessageReaderView *reader = openReader(ReceivedCopy(2, "Lunch", AllPermissions));
        QVERIFY(reader);
        const auto action = [reader](const QString &text) {
            for (QAction *candidate : reader->findChildren<QAction *>()) {
                if (candidate->text() == text)
                    return candidate;
            }
            return static_cast<QAction *>(nullptr);
        };
        QAction *copy = action(QStringLiteral("Copy"));
        QAction *print = action(QStringLiteral("Print"));
        QVERIFY(copy && print);
        QVERIFY(!copy->isEnabled());
        QVERIFY(!print->isEnabled());
        const QList<QCheckBox *> boxes = reader->findChildren<QCheckBox *>();
        QCOMPARE(boxes.size(), 4);
        boxes.at(0)->setChecked(true);
        QVERIFY(copy->isEnabled());
        boxes.at(3)->setChecked(true);
        QVERIFY(print->isEnabled());
        boxes.at(0)->setChecked(false);
        QVERIFY(!copy->isEnabled());
    }
};

QTEST_MAIN(TestMessageReader)
#include "tst_messagereader.moc"
