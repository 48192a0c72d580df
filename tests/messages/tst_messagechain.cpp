#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dispatchtotestserver.h"
#include "linguist.h"
#include "messagechain.h"
#include "messagereadermixin.h"
#include "messagestore.h"
#include "messageviewer.h"
#include "testenvironment.h"
#include "textdocument.h"

#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectuserrequest3.pb.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using messagestest::MessageStore;
namespace data = qorv::data;
using qorv::data::User;
using qorv::data::Users;

namespace
{
// Bits of a message's permissions.
constexpr unsigned int View = 1U << 0;
constexpr unsigned int Copy = 1U << 3;
constexpr unsigned int TextFile = 1U << 4;
constexpr unsigned int PdfFile = 1U << 5;
constexpr unsigned int Print = 1U << 6;
constexpr unsigned int Everything = 0x7FF;

// The chain view as a window that derives from it reaches it.
class ChainView : public MessageViewer
{
public:
    TextReader *reader() const { return m_textReader; }
};

class FilterRow : public MessageReaderMixin
{
public:
    TextReader *reader() const { return m_textReader; }
    QLabel *label() const { return m_filterLabel; }
    QList<QCheckBox *> boxes() const
    {
        return {m_filterEditCopyCheckBox, m_filterExportToTextFileCheckBox, m_filterExportToPdfFileCheckBox,
                m_filterPrintCheckBox};
    }
};

data::Message WithPermissions(unsigned int permissions)
{
    data::Message message;
    message.mutable_message_security_descriptor()->set_permissions(permissions);
    return message;
}

Users UsersOf(const QList<User> &list)
{
    Users users;
    for (const User &user : list)
        *users.add_user() = user;
    return users;
}

// The rules that separate the blocks of a chain.
int Rules(const QString &chain)
{
    return chain.count(QStringLiteral("<hr>"));
}
}

// A message with the messages it answers, as one HTML text: who may see what,
// the header of each block, the subject of an answer and the names of users,
// read from the test server as the suite's server answers.
class TestMessageChain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<MessageStore> m_store;

    // A conversation of three: 3 answers 2, which answers 1. Bob wrote 1 and
    // 3 to Ann, Ann wrote 2 to Bob with a copy to Cy.
    void addConversation()
    {
        m_store->addUser(MessageStore::User(7, "Bob", "", "Ray"));
        m_store->addUser(MessageStore::User(8, "Cy", "", "Dee"));
        m_store->addUser(MessageStore::User(MessageStore::SessionUserId, "Ann", "B", "Lee"));
        data::Message first = MessageStore::Message(1, "Lunch", 7, 0, Everything, "2026-01-02 10:00:00");
        data::Message second = MessageStore::Message(2, "Re lunch", MessageStore::SessionUserId, 0, Everything & ~Print,
                                                     "2026-01-03 10:00:00");
        second.set_message_parent_id(1);
        data::Message third = MessageStore::Message(3, "Re re lunch", 7, 0, Everything, "2026-01-04 10:00:00");
        third.set_message_parent_id(2);
        m_store->addMessage(first);
        m_store->addMessage(second);
        m_store->addMessage(third);
        m_store->addRecipient(1, MessageStore::SessionUserId, qorv::data::Message::TO, 0);
        m_store->addRecipient(2, 7, qorv::data::Message::TO, 0);
        m_store->addRecipient(2, 8, qorv::data::Message::CC, 0);
        m_store->addRecipient(3, MessageStore::SessionUserId, qorv::data::Message::TO, 0);
    }

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("UTC");
        QVERIFY(testsupport::InstallClientTranslation());
        MessageStore::logOn();
    }

    void init()
    {
        m_server = std::make_unique<testsupport::TestServer>();
        QVERIFY(testsupport::StartAndDispatchTo(*m_server));
        m_store = std::make_unique<MessageStore>(*m_server);
        m_store->install();
        addConversation();
    }

    void cleanup()
    {
        m_store.reset();
        m_server.reset();
    }

    void canDisplayMessage_data()
    {
        QTest::addColumn<unsigned int>("permissions");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("shown");

        QTest::newRow("view, no filter") << View << false << false << false << false << true;
        QTest::newRow("no view, no filter") << (Everything & ~View) << false << false << false << false << false;
        QTest::newRow("nothing") << 0U << false << false << false << false << false;
        QTest::newRow("copy filter without copy") << View << true << false << false << false << false;
        QTest::newRow("copy filter with copy") << (View | Copy) << true << false << false << false << true;
        QTest::newRow("text filter without text") << (View | Copy) << false << true << false << false << false;
        QTest::newRow("text filter with text") << (View | TextFile) << false << true << false << false << true;
        QTest::newRow("pdf filter without pdf") << (View | TextFile) << false << false << true << false << false;
        QTest::newRow("pdf filter with pdf") << (View | PdfFile) << false << false << true << false << true;
        QTest::newRow("print filter without print") << (View | PdfFile) << false << false << false << true << false;
        QTest::newRow("print filter with print") << (View | Print) << false << false << false << true << true;
        QTest::newRow("all filters, all bits") << Everything << true << true << true << true << true;
        QTest::newRow("all filters, one bit short") << (Everything & ~PdfFile) << true << true << true << true << false;
        QTest::newRow("all filters, no view") << (Everything & ~View) << true << true << true << true << false;
    }

    void canDisplayMessage()
    {
        QFETCH(unsigned int, permissions);
        QFETCH(bool, copy);
        QFETCH(bool, text);
        QFETCH(bool, pdf);
        QFETCH(bool, print);
        QFETCH(bool, shown);

        QCOMPARE(MessageViewer::canDisplayMessage(WithPermissions(permissions), copy, text, pdf, print), shown);
    }

    void messageWithoutDescriptorIsNeverShown()
    {
        QVERIFY(!MessageViewer::canDisplayMessage(data::Message(), false, false, false, false));
    }

    void replySubject_data()
    {
        QTest::addColumn<bool>("hasSubject");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("reply");
        QTest::newRow("plain") << true << "Lunch"
                               << "RE: Lunch";
        QTest::newRow("already an answer") << true << "RE: Lunch"
                                           << "RE: RE: Lunch";
        QTest::newRow("no subject") << false << ""
                                    << "RE: ";
        QTest::newRow("markup stays text") << true << "<b>Fish</b> & chips"
                                           << "RE: <b>Fish</b> & chips";
        QTest::newRow("placeholder stays text") << true << "%1 off"
                                                << "RE: %1 off";
        QTest::newRow("umlauts") << true << "Grüße"
                                 << "RE: Grüße";
    }

    void replySubject()
    {
        QFETCH(bool, hasSubject);
        QFETCH(QString, subject);
        QFETCH(QString, reply);
        data::Message message;
        if (hasSubject)
            message.set_message_subject(subject.toStdString());

        QCOMPARE(FormatMessageReplySubject(message), reply);
    }

    void userNames_data()
    {
        QTest::addColumn<QList<User>>("users");
        QTest::addColumn<QString>("names");
        QTest::newRow("none") << QList<User>() << "";
        QTest::newRow("with and without middle name")
            << QList<User>({MessageStore::User(1, "Jane", "Q", "Doe"), MessageStore::User(2, "Rick", "", "Roe")})
            << "Doe, Jane Q; Roe, Rick";
        QTest::newRow("two without names") << QList<User>({User(), User()}) << "; ";
        QTest::newRow("first name missing")
            << QList<User>({MessageStore::User(1, "", "", "Doe"), MessageStore::User(2, "Rick", "", "Roe")})
            << "; Roe, Rick";
        QTest::newRow("markup in a name is text")
            << QList<User>({MessageStore::User(1, "A&B", "", "<b>O</b>")}) << "<b>O</b>, A&B";
    }

    void userNames()
    {
        QFETCH(QList<User>, users);
        QFETCH(QString, names);

        QCOMPARE(FormatUserNames(UsersOf(users)), names);
    }

    void recipientsOfOneField_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QList<int>>("userIds");
        QTest::newRow("to") << int(qorv::data::Message::TO) << QList<int>({7});
        QTest::newRow("cc") << int(qorv::data::Message::CC) << QList<int>({8});
        QTest::newRow("bcc") << int(qorv::data::Message::BCC) << QList<int>();
    }

    void recipientsOfOneField()
    {
        QFETCH(int, field);
        QFETCH(QList<int>, userIds);

        const Users users = SelectMessageUsers(m_store->message(2), qorv::data::Message::ufield(field));

        QList<int> ids;
        for (const User &user : users.user())
            ids.append(user.user_id());
        QCOMPARE(ids, userIds);
        // The look-up names the message and the field, nothing else.
        const std::vector<testsupport::TestRequest> requests = m_server->requests();
        QCOMPARE(requests.size(), size_t(1));
        QCOMPARE(requests.front().majorOpcode, common::op::SelectMessageUser);
        qorv::data::SelectMessageUserRequest request;
        QVERIFY(request.ParseFromString(requests.front().payload));
        QCOMPARE(request.message_user_message_id(), 2);
        QCOMPARE(int(request.message_user_field()), field);
        QVERIFY(!request.has_message_user_user_id());
        QVERIFY(!request.has_message_user_message_folder_id());
        QVERIFY(!request.exclude_session_user_id());
        QCOMPARE(request.exclude_user_id_size(), 0);
    }

    void recipientsOfAFailedLookUpAreNone()
    {
        m_server->injectFault(testsupport::TestFault::noAnswer());
        QCOMPARE(SelectMessageUsers(m_store->message(2), qorv::data::Message::TO).user_size(), 0);
        m_server->reply(common::op::SelectMessageUser, common::tag::Plain, std::string("\x0a\xff", 2));
        QCOMPARE(SelectMessageUsers(m_store->message(2), qorv::data::Message::TO).user_size(), 0);
    }

    void nonRecipientsExcludeToThenCc()
    {
        m_store->addUser(MessageStore::User(9, "Gus", "", "Hale"));

        const Users users = SelectNonMessageUsers(m_store->message(2));

        QList<int> ids;
        for (const User &user : users.user())
            ids.append(user.user_id());
        QCOMPARE(ids, QList<int>({9, MessageStore::SessionUserId}));
        const std::vector<testsupport::TestRequest> requests = m_server->requests();
        QCOMPARE(requests.size(), size_t(3));
        QCOMPARE(requests.back().majorOpcode, common::op::SelectUser);
        qorv::data::SelectUserRequest request;
        QVERIFY(request.ParseFromString(requests.back().payload));
        QCOMPARE(QList<int>(request.exclude_user_id().begin(), request.exclude_user_id().end()), QList<int>({7, 8}));
    }

    void usersOrderById()
    {
        std::vector<User> users = {MessageStore::User(9, "A", "", "A"), User(), MessageStore::User(-3, "B", "", "B"),
                                   MessageStore::User(4, "C", "", "C")};
        std::sort(users.begin(), users.end());
        QList<int> ids;
        for (const User &user : users)
            ids.append(user.user_id());
        QCOMPARE(ids, QList<int>({-3, 0, 4, 9}));
        QVERIFY(!(users[1] < users[1]));
    }

    // One block of the chain

    void headerWithCopyRecipients()
    {
        const QString block = FormatMessageReplyContent(m_store->message(2));

        QCOMPARE(block, QStringLiteral("<b>From</b>: Lee, Ann B<br><b>Created</b>: 2026-01-01 08:00:00<br>"
                                       "<b>Modified</b>: 2026-01-03 10:00:00<br><b>Subject</b>: Re lunch<br>"
                                       "<b>To</b>: Ray, Bob<br><b>Cc</b>: Dee, Cy<br><p>Re lunch</p>"));
        // To, then Cc; blind copies are never asked for.
        QList<int> fields;
        for (const testsupport::TestRequest &sent : m_server->requests()) {
            qorv::data::SelectMessageUserRequest request;
            QVERIFY(request.ParseFromString(sent.payload));
            fields.append(request.message_user_field());
        }
        QCOMPARE(fields, QList<int>({qorv::data::Message::TO, qorv::data::Message::CC}));
    }

    void headerWithoutCopyRecipients()
    {
        const QString block = FormatMessageReplyContent(m_store->message(1));

        QCOMPARE(block, QStringLiteral("<b>From</b>: Ray, Bob<br><b>Created</b>: 2026-01-01 08:00:00<br>"
                                       "<b>Modified</b>: 2026-01-02 10:00:00<br><b>Subject</b>: Lunch<br>"
                                       "<b>To</b>: Lee, Ann B<br><p>Lunch</p>"));
    }

    void headerEscapesTextsButNotTheBody()
    {
        m_store->addUser(MessageStore::User(10, "Al & Co", "", "<i>Roe</i>"));
        data::Message message =
            MessageStore::Message(20, "<b>Fish</b> & chips %2", 10, 0, Everything, "2026-01-02 10:00:00.250000");
        message.set_message_body("<p>a <b>bold</b> body</p>");
        m_store->addMessage(message);
        m_store->addRecipient(20, 10, qorv::data::Message::TO, 0);

        const QString block = FormatMessageReplyContent(m_store->message(20));

        QVERIFY2(block.contains(QStringLiteral("<b>Subject</b>: &lt;b&gt;Fish&lt;/b&gt; &amp; chips %2<br>")),
                 qPrintable(block));
        QVERIFY(block.contains(QStringLiteral("<b>From</b>: &lt;i&gt;Roe&lt;/i&gt;, Al &amp; Co<br>")));
        QVERIFY(block.contains(QStringLiteral("<b>To</b>: &lt;i&gt;Roe&lt;/i&gt;, Al &amp; Co<br>")));
        QVERIFY(block.contains(QStringLiteral("<b>Modified</b>: 2026-01-02 10:00:00.250000<br>")));
        QVERIFY(block.endsWith(QStringLiteral("<br><p>a <b>bold</b> body</p>")));
        // Shown, the subject reads as typed.
        QTextDocument document;
        document.setHtml(block);
        QVERIFY(document.toPlainText().contains(QStringLiteral("Subject: <b>Fish</b> & chips %2")));
    }

    void headerOfAMessageWithoutSenderOrDates()
    {
        m_server->injectFault(testsupport::TestFault::noAnswer());
        data::Message message;
        message.set_message_id(30);
        message.set_message_creation_date("yesterday");

        const QString block = FormatMessageReplyContent(message);

        QCOMPARE(block, QStringLiteral("<b>From</b>: <br><b>Created</b>: <br><b>Modified</b>: <br>"
                                       "<b>Subject</b>: <br><b>To</b>: <br>"));
    }

    // The chain

    void chainOfAllThree()
    {
        const auto [whole, parents] = MessageViewer::getMessageChain(m_store->message(3), false, false, false, false);

        const QString own = FormatMessageReplyContent(m_store->message(3));
        const QString second = FormatMessageReplyContent(m_store->message(2));
        const QString first = FormatMessageReplyContent(m_store->message(1));
        QCOMPARE(parents, second + "<hr>" + first);
        QCOMPARE(whole, own + "<hr>" + second + "<hr>" + first);
        // The chain is asked for by the parent's id alone.
        const std::vector<testsupport::TestRequest> chains = [this] {
            std::vector<testsupport::TestRequest> found;
            for (const testsupport::TestRequest &request : m_server->requests()) {
                if (request.majorOpcode == common::op::SelectMessage)
                    found.push_back(request);
            }
            return found;
        }();
        QCOMPARE(chains.size(), size_t(1));
        qorv::data::SelectMessageRequest request;
        QVERIFY(request.ParseFromString(chains.front().payload));
        QVERIFY(request.has_message_chain_id());
        QCOMPARE(request.message_chain_id(), 2);
        QVERIFY(!request.has_message_id() && !request.has_message_user_id() && !request.has_message_folder_id()
                && !request.has_message_parent_id());
    }

    void chainFilters_data()
    {
        QTest::addColumn<unsigned int>("ownPermissions");
        QTest::addColumn<bool>("print");
        QTest::addColumn<QList<int>>("wholeIds");
        QTest::addColumn<QList<int>>("parentIds");

        QTest::newRow("all shown") << Everything << false << QList<int>({3, 2, 1}) << QList<int>({2, 1});
        QTest::newRow("own not viewable") << (Everything & ~View) << false << QList<int>({2, 1}) << QList<int>({2, 1});
        QTest::newRow("printed: the middle one drops out")
            << Everything << true << QList<int>({3, 1}) << QList<int>({1});
        QTest::newRow("printed, own not printable")
            << (Everything & ~Print) << true << QList<int>({1}) << QList<int>({1});
    }

    void chainFilters()
    {
        QFETCH(unsigned int, ownPermissions);
        QFETCH(bool, print);
        QFETCH(QList<int>, wholeIds);
        QFETCH(QList<int>, parentIds);
        data::Message own = m_store->message(3);
        own.mutable_message_security_descriptor()->set_permissions(ownPermissions);

        const auto [whole, parents] = MessageViewer::getMessageChain(own, false, false, false, print);

        const auto join = [this, &own](const QList<int> &ids) {
            QStringList blocks;
            for (int id : ids)
                blocks.append(FormatMessageReplyContent(id == 3 ? own : m_store->message(id)));
            return blocks.join(QStringLiteral("<hr>"));
        };
        QCOMPARE(whole, join(wholeIds));
        QCOMPARE(parents, join(parentIds));
        QCOMPARE(Rules(whole), std::max(int(wholeIds.size()) - 1, 0));
    }

    void chainOfNothingShownIsEmpty()
    {
        data::Message hidden = MessageStore::Message(50, "Hidden", 7, 0, Everything & ~View, "2026-01-05 10:00:00");
        data::Message answer = MessageStore::Message(51, "Answer", 7, 0, Copy, "2026-01-06 10:00:00");
        answer.set_message_parent_id(50);
        m_store->addMessage(hidden);
        m_store->addMessage(answer);
        ChainView view;
        view.reader()->setPlainText(QStringLiteral("earlier"));

        view.displayMessageChain(m_store->message(51), false, false, false, false);

        const auto [whole, parents] = MessageViewer::getMessageChain(m_store->message(51), false, false, false, false);
        QVERIFY(whole.isEmpty());
        QVERIFY(parents.isEmpty());
        QVERIFY(view.reader()->toPlainText().isEmpty());
    }

    void chainWithoutParentsHasNoRule()
    {
        const auto [whole, parents] = MessageViewer::getMessageChain(m_store->message(1), false, false, false, false);

        QCOMPARE(whole, FormatMessageReplyContent(m_store->message(1)));
        QVERIFY(parents.isEmpty());
        QCOMPARE(Rules(whole), 0);
    }

    void chainOfAFailedLookUpIsTheMessageAlone()
    {
        m_server->reply(common::op::SelectMessage, common::tag::Plain, std::string("\x0a\xff", 2));

        const auto [whole, parents] = MessageViewer::getMessageChain(m_store->message(3), false, false, false, false);

        QCOMPARE(whole, FormatMessageReplyContent(m_store->message(3)));
        QVERIFY(parents.isEmpty());
    }

    // A body that names another charset was stored as UTF-8 all the same; the
    // chain built from it is never read again in that charset.
    void chainIsNotDecodedAgainInADeclaredCharset()
    {
        data::Message message = MessageStore::Message(40, "Grüße", 7, 0, Everything, "2026-01-05 10:00:00");
        message.set_message_body("<html><head><meta charset=\"ISO-8859-1\"></head><body>Grüße aus Köln</body></html>");
        m_store->addMessage(message);

        const auto [whole, parents] = MessageViewer::getMessageChain(m_store->message(40), false, false, false, false);

        QVERIFY(whole.contains(QStringLiteral("Grüße aus Köln")));
        QVERIFY(whole.contains(QStringLiteral("<b>Subject</b>: Grüße<br>")));
        QVERIFY(!whole.contains(QStringLiteral("Ã")));
    }

    void displayReplacesWhatWasShown()
    {
        ChainView view;
        view.reader()->setPlainText(QStringLiteral("earlier"));

        view.displayMessageChain(m_store->message(3), false, false, false, false);

        const QString shown = view.reader()->toPlainText();
        QVERIFY(!shown.contains(QStringLiteral("earlier")));
        QVERIFY(shown.contains(QStringLiteral("Subject: Re re lunch")));
        QVERIFY(shown.indexOf(QStringLiteral("Subject: Re lunch")) > shown.indexOf(QStringLiteral("Re re lunch")));
        QVERIFY(shown.contains(QStringLiteral("Subject: Lunch")));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The filter row of the reader and editor

    void filterRowStartsOffAndLocked()
    {
        FilterRow row;

        QCOMPARE(row.label()->text(), QStringLiteral("Display messages that can be"));
        QStringList texts;
        for (const QCheckBox *box : row.boxes()) {
            texts.append(box->text());
            QVERIFY(!box->isChecked());
        }
        QCOMPARE(texts, QStringList({"Copied to the Clipboard", "Exported to a Text File", "Exported to a PDF File",
                                     "Printed"}));
        QVERIFY(row.reader()->isReadOnly());
        QCOMPARE(row.reader()->textInteractionFlags(), Qt::NoTextInteraction);
        QVERIFY(qobject_cast<TextDocument *>(row.reader()->document()));
        QCOMPARE(row.reader()->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    // The window that lays the widgets out owns them; whatever it left out
    // goes with the viewer.
    void widgetsGoWithTheirOwner()
    {
        QWidget window;
        QPointer<TextReader> adopted;
        QPointer<QCheckBox> loose;
        {
            FilterRow row;
            row.reader()->setParent(&window);
            adopted = row.reader();
            loose = row.boxes().first();
        }
        QVERIFY(adopted);
        QVERIFY(!loose);
    }
};

QTEST_MAIN(TestMessageChain)
#include "tst_messagechain.moc"
