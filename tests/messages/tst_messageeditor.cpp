#include "common/majorcode.h"
#include "common/minortag.h"
#include "createdocumentkeywizard.h"
#include "dialoganswerer.h"
#include "messageattachmentitem.h"
#include "messagebus.h"
#include "messagecast.h"
#include "messageeditorview.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectdocumentswidget.h"
#include "selectusersdialog.h"
#include "selectuserswidget.h"
#include "sentrequests.h"
#include "testenvironment.h"

#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "documentkey3.pb.h"
#include "group3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

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

QTextEdit *Body(const MessageEditorView *editor)
{
    for (QTextEdit *edit : editor->findChildren<QTextEdit *>()) {
        if (!edit->isReadOnly())
            return edit;
    }
    return nullptr;
}

QPushButton *Button(const MessageEditorView *editor, const char *key)
{
    const QString text = QCoreApplication::translate("MessageEditorView", key);
    for (QPushButton *button : editor->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Everybody the store knows.
QList<data::User> Everybody()
{
    return {MessageStore::User(Ann, "Ann", "B", "Lee", Root), MessageStore::User(Bob, "Bob", "", "Ray", 500),
            MessageStore::User(Cy, "Cy", "", "Dee", 600), MessageStore::User(Dan, "Dan", "", "Fox", 650),
            MessageStore::User(Eve, "Eve", "", "Orr", 660)};
}

// The picker's answer: a group of everybody comes in (less whom the picker
// excludes; the first names of who came in are noted), then the selected
// list is replaced by these users.
DialogAnswerer::Action Pick(const QList<data::User> &users, QStringList *offered)
{
    return [users, offered](QWidget *dialog) {
        auto *picker = dialog->findChild<SelectUsersWidget *>();
        data::Group group;
        group.set_group_id(1);
        picker->includeGroup(group);
        for (const data::User &user : Everybody()) {
            if (picker->isUserIncluded(user))
                offered->append(QString::fromStdString(user.user_first_name()));
        }
        picker->removeAll();
        for (const data::User &user : users)
            picker->addUser(user);
        static_cast<QDialog *>(dialog)->accept();
    };
}
}

// The editor of Ann's own message against the test server: when it may send,
// how it saves and discards, whose replies it takes, the recipients it writes
// and the attachments and keys it checks.
class TestMessageEditor : public QObject
{
    Q_OBJECT

private:
    MessageBus m_bus;

    MessageEditorView *openEditor(int messageId)
    {
        return m_bus.openWindow<MessageEditorView>(m_bus.store().message(messageId));
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
        MessageStore &store = m_bus.store();
        store.addUser(MessageStore::User(Ann, "Ann", "B", "Lee", Root));
        store.addUser(MessageStore::User(Bob, "Bob", "", "Ray", 500));
        store.addUser(MessageStore::User(Cy, "Cy", "", "Dee", 600));
        store.addUser(MessageStore::User(Dan, "Dan", "", "Fox", 650));
        store.addUser(MessageStore::User(Eve, "Eve", "", "Orr", 660));
        // 1 goes to Bob, Cy is on copy and Dan on blind copy; 3 goes nowhere
        // yet.
        store.addMessage(MessageStore::Message(1, "Budget", Ann, Root, AllPermissions, "2026-01-02 10:00:00"));
        store.addRecipient(1, Bob, data::Message::TO, 500);
        store.addRecipient(1, Cy, data::Message::CC, 600);
        store.addRecipient(1, Dan, data::Message::BCC, 650);
        store.addMessage(MessageStore::Message(3, "Plans", Ann, Root, AllPermissions, "2026-01-04 10:00:00"));
        store.addMessage(MessageStore::Message(4, "Empty", Ann, Root, AllPermissions, "2026-01-04 10:00:00"));
        data::Message empty = store.message(4);
        empty.clear_message_body();
        store.addMessage(empty);
    }

    void cleanup() { m_bus.stop(); }

    // Send needs a recipient in some field.
    void sendEnabled()
    {
        MessageEditorView *addressed = openEditor(1);
        MessageEditorView *unaddressed = openEditor(3);
        QVERIFY(addressed && unaddressed);
        QCOMPARE(addressed->findChild<QLineEdit *>(QStringLiteral("toLineEdit"))->text(), QStringLiteral("Ray, Bob"));
        QVERIFY(Button(addressed, "Send")->isEnabled());
        QVERIFY(!Button(unaddressed, "Send")->isEnabled());
        for (const char *name : {"toLineEdit", "ccLineEdit", "bccLineEdit"}) {
            auto *line = unaddressed->findChild<QLineEdit *>(QLatin1String(name));
            line->setText(QStringLiteral("Dee, Cy"));
            QVERIFY(Button(unaddressed, "Send")->isEnabled());
            line->clear();
            QVERIFY(!Button(unaddressed, "Send")->isEnabled());
        }
    }

    // Save sends the message whether or not it changed; Send of an
    // unchanged message saves and closes.
    void saveIsAlwaysSent()
    {
        QPointer<MessageEditorView> editor = openEditor(1);
        QVERIFY(editor);
        editor->saveMessage();
        QCOMPARE(m_bus.requests(common::op::UpdateMessage).size(), std::size_t(1));
        DialogAnswerer answerer;
        editor->send();
        QCOMPARE(m_bus.requests(common::op::UpdateMessage).size(), std::size_t(2));
        QTRY_VERIFY(!editor);
        QVERIFY(answerer.sawNoDialog());
    }

    void sizeLimit_data()
    {
        QTest::addColumn<int>("beyond");
        QTest::newRow("at the limit") << 0;
        QTest::newRow("one byte over") << 1;
    }

    void sizeLimit()
    {
        QFETCH(int, beyond);
        MessageEditorView *editor = openEditor(3);
        QVERIFY(editor);
        QTextDocument *document = Body(editor)->document();
        // Short lines keep the layout cheap; the last line takes up the rest.
        const QString line = QString(1999, QLatin1Char('x')) + QLatin1Char('\n');
        QString text = line.repeated(MessageEditorView::MaximumBodySize / 5 * 4 / line.size());
        text.chop(1);
        document->setPlainText(text);
        text += QString(MessageEditorView::MaximumBodySize + beyond - int(document->toHtml().toUtf8().size()),
                        QLatin1Char('x'));
        document->setPlainText(text);
        QCOMPARE(document->toHtml().toUtf8().size(), MessageEditorView::MaximumBodySize + beyond);
        document->setModified(true);

        DialogAnswerer answerer;
        if (beyond > 0)
            answerer.expect(QMessageBox::Ok);
        editor->saveMessage();
        if (beyond == 0) {
            const auto updates = Parsed<data::UpdateMessageRequest>(m_bus.requests(common::op::UpdateMessage));
            QCOMPARE(updates.size(), std::size_t(1));
            QCOMPARE(updates.front().message().message_body().size(), std::size_t(MessageEditorView::MaximumBodySize));
            QVERIFY(!document->isModified());
            QVERIFY(answerer.sawNoDialog());
        } else {
            QVERIFY(m_bus.requests(common::op::UpdateMessage).empty());
            QVERIFY(document->isModified());
            QCOMPARE(answerer.seen().size(), 1);
            QCOMPARE(answerer.seen().at(0).text, QStringLiteral("Message contains excess characters."));
        }
    }

    // An empty body goes without asking; the delete names Ann, so that it
    // is audited, and the manager closes the window.
    void discardEmptyBody()
    {
        QPointer<MessageEditorView> editor = openEditor(4);
        QVERIFY(editor);
        QVERIFY(Body(editor)->document()->isEmpty());
        DialogAnswerer answerer;
        editor->discard();
        const auto deletes = Parsed<data::DeleteMessageRequest>(m_bus.requests(common::op::DeleteMessage));
        QCOMPARE(deletes.size(), std::size_t(1));
        QCOMPARE(deletes.front().message_id(), 4);
        QCOMPARE(deletes.front().message_user_id(), Ann);
        QCOMPARE(deletes.front().message_subject(), std::string("Empty"));
        QTRY_VERIFY(!editor);
        QVERIFY(answerer.sawNoDialog());
        QVERIFY(!m_bus.store().hasMessage(4));
    }

    void discardAsksForABody()
    {
        QPointer<MessageEditorView> editor = openEditor(3);
        QVERIFY(editor);
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Cancel);
        editor->discard();
        QVERIFY(m_bus.requests(common::op::DeleteMessage).empty());
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("Are you sure you want to delete this message?"));
        QCOMPARE(answerer.seen().at(0).informativeText, QStringLiteral("Plans"));
        QVERIFY(editor);
    }

    // The chain refusal shows in the window that discarded, in no other.
    void chainRefusalOnlyInTheSender()
    {
        MessageEditorView *budget = openEditor(1);
        MessageEditorView *plans = openEditor(3);
        QVERIFY(budget && plans);
        data::DeleteMessageReply refused;
        refused.mutable_sql_diag_rec()->set_sqls("23504");
        m_bus.server().reply(common::op::DeleteMessage, common::tag::Plain, refused.SerializeAsString(), 4, 0);
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        plans->discard();
        QCOMPARE(plans->statusBar()->currentMessage(),
                 QStringLiteral("This message is part of a message chain and cannot be deleted at this time."));
        QVERIFY(budget->statusBar()->currentMessage().isEmpty());
        QCOMPARE(OpenWindows<MessageEditorView>().size(), 2);
        // Any other refusal says nothing.
        plans->statusBar()->clearMessage();
        refused.mutable_sql_diag_rec()->set_sqls("23503");
        m_bus.server().reply(common::op::DeleteMessage, common::tag::Plain, refused.SerializeAsString(), 4, 0);
        answerer.expect(QMessageBox::Ok);
        plans->discard();
        QVERIFY(plans->statusBar()->currentMessage().isEmpty());
    }

    // Only the window's own save clears what was typed; an update of the
    // same message from another window leaves the edits.
    void onlyTheOwnSaveClearsTheEdits()
    {
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        QTextDocument *document = Body(editor)->document();
        Body(editor)->insertPlainText(QStringLiteral("typed"));
        QVERIFY(document->isModified());
        QVERIFY(editor->windowTitle().startsWith(QStringLiteral("Budget*")));
        data::UpdateMessageRequest other;
        *other.mutable_message() = m_bus.store().message(1);
        emit editor->deliverRequest(common::op::UpdateMessage, common::tag::Plain, other.SerializeAsString());
        QCOMPARE(m_bus.requests(common::op::UpdateMessage).size(), std::size_t(1));
        QVERIFY(document->isModified());
        editor->saveMessage();
        QVERIFY(!document->isModified());
        QVERIFY(editor->windowTitle().startsWith(QStringLiteral("Budget [")));
        QVERIFY(m_bus.store().message(1).message_body().find("typed") != std::string::npos);
    }

    // The To picker starts with Bob, offers Eve but never Cy (Cc) or Dan
    // (Bcc), and writes the insert of the new user before the delete of the old.
    void recipientsInsertBeforeDelete()
    {
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        m_bus.server().clearRequests();
        QStringList offered;
        const data::User ann = MessageStore::User(Ann, "Ann", "B", "Lee", Root);
        DialogAnswerer answerer;
        answerer.expect(Pick({ann}, &offered));
        editor->addUsersTo();
        QCOMPARE(offered, QStringList({QStringLiteral("Eve")}));
        const auto excludes = Parsed<data::SelectUserRequest>(m_bus.requests(common::op::SelectUser));
        QVERIFY(!excludes.empty());
        const auto &excluded = excludes.back().exclude_user_id();
        QVERIFY(std::find(excluded.begin(), excluded.end(), Cy) != excluded.end());
        QVERIFY(std::find(excluded.begin(), excluded.end(), Dan) != excluded.end());

        std::vector<int> order;
        for (const testsupport::TestRequest &request : m_bus.server().requests()) {
            if (request.majorOpcode == common::op::InsertMessageUser
                || request.majorOpcode == common::op::DeleteMessageUser)
                order.push_back(request.majorOpcode);
        }
        QCOMPARE(order, (std::vector<int>{31, 16}));
        const auto inserts = Parsed<data::InsertMessageUserRequest>(m_bus.requests(common::op::InsertMessageUser));
        QCOMPARE(inserts.front().message().message_user_user_id(), Ann);
        QCOMPARE(inserts.front().message().message_user_field(), data::Message::TO);
        QCOMPARE(inserts.front().message().message_user_message_folder_id(), Root);
        QCOMPARE(inserts.front().message().message_sender().user_id(), Ann);
        const auto deletes = Parsed<data::DeleteMessageUserRequest>(m_bus.requests(common::op::DeleteMessageUser));
        QCOMPARE(deletes.front().message_user_user_id(), Bob);
        QCOMPARE(editor->findChild<QLineEdit *>(QStringLiteral("toLineEdit"))->text(), QStringLiteral("Lee, Ann B"));
    }

    // Keeping the field as it is sends nothing.
    void unchangedRecipientsSendNothing()
    {
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        QStringList offered;
        DialogAnswerer answerer;
        answerer.expect(Pick({MessageStore::User(Bob, "Bob", "", "Ray", 500)}, &offered));
        editor->addUsersTo();
        QVERIFY(m_bus.requests(common::op::InsertMessageUser).empty());
        QVERIFY(m_bus.requests(common::op::DeleteMessageUser).empty());
    }

    // A detach asks nothing; the item goes when this message's reply comes.
    void detachOnReply()
    {
        m_bus.attach(1, {MessageStore::Document(31, "Plan"), MessageStore::Document(32, "Map")});
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        auto *list = editor->findChild<QListWidget *>(QStringLiteral("attachmentsListWidget"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Map"));
        editor->detachDocument();
        QVERIFY(m_bus.requests(common::op::DeleteMessageDocument).empty());
        list->setCurrentRow(1);
        DialogAnswerer answerer;
        editor->detachDocument();
        const auto detaches =
            Parsed<data::DeleteMessageDocumentRequest>(m_bus.requests(common::op::DeleteMessageDocument));
        QCOMPARE(detaches.size(), std::size_t(1));
        QCOMPARE(detaches.front().message_document_message_id(), 1);
        QCOMPARE(detaches.front().message_document_document_id(), 31);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Map"));
        QVERIFY(answerer.sawNoDialog());
    }

    void keyCheck_data()
    {
        QTest::addColumn<QList<int>>("holders");
        QTest::addColumn<int>("confirmation");
        QTest::addColumn<QStringList>("boxes");
        const QString verified = QStringLiteral("All document keys have been verified.");
        const QString offer = QStringLiteral("One or more users");
        QTest::newRow("all hold keys, asked") << QList<int>{Bob, Cy, Dan} << 0 << QStringList{verified};
        QTest::newRow("all hold keys, closing") << QList<int>{Bob, Cy, Dan} << 1 << QStringList{};
        QTest::newRow("blind copy lacks a key") << QList<int>{Bob, Cy} << 0 << QStringList{offer, offer};
    }

    // Every recipient, Bcc too, needs a key for every attachment; a No moves
    // on to the next attachment and no "verified" box follows.
    void keyCheck()
    {
        QFETCH(QList<int>, holders);
        QFETCH(int, confirmation);
        QFETCH(QStringList, boxes);
        m_bus.attach(1, {MessageStore::Document(31, "Plan"), MessageStore::Document(32, "Map")});
        data::SelectDocumentKeyReply keys;
        for (int holder : holders)
            keys.add_document_key()->mutable_document_key_user()->set_user_id(holder);
        m_bus.server().reply(common::op::SelectDocumentKey, common::tag::Plain, keys.SerializeAsString());
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        DialogAnswerer answerer;
        for (int box = 0; box < boxes.size(); ++box)
            answerer.expect(box + 1 < boxes.size() || confirmation != 0 || holders.size() < 3 ? QMessageBox::No
                                                                                              : QMessageBox::Ok);
        editor->verifyDocumentKeys(confirmation);
        QCOMPARE(answerer.seen().size(), boxes.size());
        for (int box = 0; box < boxes.size(); ++box)
            QVERIFY(answerer.seen().at(box).text.startsWith(boxes.at(box)));
        QVERIFY(m_bus.requests(common::op::InsertDocumentKey).empty());
    }

    // Each picked document is listed beside the earlier attachment and
    // inserted for this message at once.
    void attach()
    {
        m_bus.attach(1, {MessageStore::Document(31, "Plan")});
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) {
            auto *picker = dialog->findChild<SelectDocumentsWidget *>();
            picker->includeDocument(MessageStore::Document(32, "Map"));
            picker->addAll();
            QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            if (ok->isEnabled())
                ok->click();
            else
                static_cast<QDialog *>(dialog)->reject();
        });
        editor->attachDocument();
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("SelectDocumentsDialog"));
        auto *list = editor->findChild<QListWidget *>(QStringLiteral("attachmentsListWidget"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Map"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Plan"));
        const auto inserts =
            Parsed<data::InsertMessageDocumentRequest>(m_bus.requests(common::op::InsertMessageDocument));
        QCOMPARE(inserts.size(), std::size_t(1));
        QCOMPARE(inserts.front().message_document().message_document_message_id(), 1);
        QCOMPARE(inserts.front().message_document().message_document_document_id(), 32);
        QCOMPARE(inserts.front().message_document().message_document_properties(), 0);
        QVERIFY(!inserts.front().message_document().message_document_creation_date().empty());
    }

    // A message with a few thousand attachments lists each of them once,
    // sorted by name, with its own record; one attached later still takes
    // its place in the order.
    void manyAttachmentsAreListedSortedByName()
    {
        constexpr int Count = 2000;
        QList<data::Document> documents;
        for (int index = 0; index < Count; ++index) {
            // Every name once, out of its order: 7919 shares no factor with
            // 2000.
            const QString name = QStringLiteral("Figures %1").arg((index * 7919) % Count, 4, 10, QLatin1Char('0'));
            documents.append(MessageStore::Document(100 + index, name.toStdString()));
        }
        // Message 3 has no recipients, so that closing checks no keys.
        m_bus.attach(3, documents);
        MessageEditorView *editor = openEditor(3);
        QVERIFY(editor);
        auto *list = editor->findChild<QListWidget *>(QStringLiteral("attachmentsListWidget"));
        QCOMPARE(list->count(), Count);
        QStringList names;
        for (int row = 0; row < list->count(); ++row) {
            names.append(list->item(row)->text());
            QCOMPARE(QString::fromStdString(MessageAttachmentItem::document(list->item(row)).document_name()),
                     list->item(row)->text());
        }
        QVERIFY(std::is_sorted(names.cbegin(), names.cend()));
        QCOMPARE(names.removeDuplicates(), qsizetype(0));

        DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) {
            auto *picker = dialog->findChild<SelectDocumentsWidget *>();
            picker->includeDocument(MessageStore::Document(9000, "Figures 0005a"));
            picker->addAll();
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        editor->attachDocument();
        QCOMPARE(list->count(), Count + 1);
        const QList<QListWidgetItem *> found = list->findItems(QStringLiteral("Figures 0005a"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QCOMPARE(list->item(list->row(found.front()) - 1)->text(), QStringLiteral("Figures 0005"));
        QCOMPARE(list->item(list->row(found.front()) + 1)->text(), QStringLiteral("Figures 0006"));
    }

    // A Yes opens the key wizard on that document with the recipient who
    // lacks the key already picked; a cancelled wizard inserts no key.
    void keyCheckYesOpensTheCreateKeyWizard()
    {
        m_bus.attach(1, {MessageStore::Document(31, "Plan")});
        data::SelectDocumentKeyReply keys;
        for (int holder : {Bob, Cy})
            keys.add_document_key()->mutable_document_key_user()->set_user_id(holder);
        m_bus.server().reply(common::op::SelectDocumentKey, common::tag::Plain, keys.SerializeAsString());
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        int documentId = 0;
        QString documentName;
        QList<int> picked;
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Yes);
        answerer.expect([&](QWidget *dialog) {
            auto *wizard = qobject_cast<CreateDocumentKeyWizard *>(dialog);
            if (wizard) {
                documentId = wizard->getDocumentId();
                documentName = wizard->getDocumentName();
                const data::Users users =
                    wizard->getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget()->selectedUsers();
                for (const data::User &user : users.user())
                    picked.append(user.user_id());
            }
            static_cast<QDialog *>(dialog)->reject();
        });
        editor->verifyDocumentKeys(0);
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(0).informativeText, QStringLiteral("Plan"));
        QCOMPARE(answerer.seen().at(1).className, QStringLiteral("CreateDocumentKeyWizard"));
        QCOMPARE(answerer.seen().at(1).title,
                 QCoreApplication::translate("CreateDocumentKeyWizard", "CreateDocumentKeyWizardTitle"));
        QCOMPARE(documentId, 31);
        QCOMPARE(documentName, QStringLiteral("Plan"));
        QCOMPARE(picked, QList<int>{Dan});
        QVERIFY(m_bus.requests(common::op::InsertDocumentKey).empty());
    }

    void keyCheckWithoutAttachments()
    {
        MessageEditorView *editor = openEditor(1);
        QVERIFY(editor);
        DialogAnswerer answerer;
        editor->verifyDocumentKeys(0);
        QVERIFY(answerer.sawNoDialog());
        QVERIFY(m_bus.requests(common::op::SelectDocumentKey).empty());
    }
};

QTEST_MAIN(TestMessageEditor)
#include "tst_messageeditor.moc"
