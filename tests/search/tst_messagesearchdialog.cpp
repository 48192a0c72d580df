#include "abstractsearcheditor.h"
#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dispatchtotestserver.h"
#include "itemrole.h"
#include "messagesearchdialog.h"
#include "scopedclock.h"
#include "searchtableview.h"
#include "searchtestsupport.h"
#include "testenvironment.h"
#include "testserver.h"

#include "message3.pb.h"
#include "messages3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <functional>

QORV_ISOLATE_TEST_ENVIRONMENT()

using namespace searchtest;
using testsupport::TestFault;
using testsupport::TestServer;

namespace
{
const int FolderId = 55;
const int UserId = 7;
const QString SearchFailed =
    QStringLiteral("The search could not be completed, so the results below were not updated. Please try again.");

qorv::data::Message MakeMessage(int id, const std::string &last, const std::string &first, const std::string &subject,
                                const std::string &created, bool received = false)
{
    qorv::data::Message message;
    message.set_message_id(id);
    message.set_message_subject(subject);
    message.set_message_creation_date(created);
    message.set_message_modification_date(created);
    message.mutable_message_sender()->set_user_last_name(last);
    message.mutable_message_sender()->set_user_first_name(first);
    if (received)
        message.set_message_user_is_recipient(true);
    return message;
}

std::string OwnReply(const std::vector<qorv::data::Message> &messages)
{
    qorv::data::SelectMessageReply reply;
    for (const auto &message : messages)
        *reply.add_message() = message;
    return reply.SerializeAsString();
}

std::string ReceivedReply(const std::vector<qorv::data::Message> &messages)
{
    qorv::data::SelectMessageUserReply reply;
    for (const auto &message : messages)
        *reply.add_message() = message;
    return reply.SerializeAsString();
}

const std::vector<qorv::data::Message> &Own()
{
    static const std::vector<qorv::data::Message> own = {
        MakeMessage(1, "Lee", "Ann", "Budget draft", "2024-03-01 09:00:00"),
        MakeMessage(2, "Lee", "Ann", "Agenda", "2024-04-01 09:00:00")};
    return own;
}

const std::vector<qorv::data::Message> &Received()
{
    static const std::vector<qorv::data::Message> received = {
        MakeMessage(3, "Young", "Bo", "Re: Budget draft", "2024-03-02 10:00:00", true),
        MakeMessage(1, "Lee", "Ann", "Budget draft", "2024-03-01 09:00:00", true)};
    return received;
}

QStringList Column(const QTableWidget &table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << (table.item(row, column) ? table.item(row, column)->text() : QStringLiteral("<none>"));
    return texts;
}

QStringList Subjects(const qorv::data::Messages &messages)
{
    QStringList subjects;
    for (const auto &message : messages.message())
        subjects << QString::fromStdString(message.message_subject());
    subjects.sort();
    return subjects;
}
}

// The message search against the test server: two requests per search.
class TestMessageSearchDialog : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;
    testsupport::ScopedClock m_clock{testsupport::UtcInstant(2024, 6, 14, 12)};
    // What the server answers to 50 and 51; read on the server's thread while
    // the dialog waits for the answer.
    testsupport::TestReply m_ownReply;
    testsupport::TestReply m_receivedReply;
    int m_unansweredOpcode = 0;

    void answerWith(const std::string &own, const std::string &received)
    {
        m_ownReply = testsupport::TestReply();
        m_ownReply.payload = own;
        m_receivedReply = testsupport::TestReply();
        m_receivedReply.payload = received;
        m_unansweredOpcode = 0;
    }

    testsupport::TestReply answer(int opcode)
    {
        if (opcode == m_unansweredOpcode)
            m_server.injectFault(TestFault::noAnswer());
        return opcode == common::op::SelectMessage ? m_ownReply : m_receivedReply;
    }

    // The (major, minor) opcodes of the requests that reached the server, in order.
    QList<QPair<int, int>> sentOpcodes() const
    {
        QList<QPair<int, int>> opcodes;
        for (const auto &request : m_server.requests())
            opcodes << qMakePair(request.majorOpcode, request.minorOpcode);
        return opcodes;
    }

    // A search: the user's own messages, then the copies received.
    static QList<QPair<int, int>> searchOpcodes()
    {
        return {{common::op::SelectMessage, common::tag::Plain}, {common::op::SelectMessageUser, common::tag::Plain}};
    }

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("UTC0");
        QVERIFY(testsupport::InstallClientTranslation());
        QVERIFY(testsupport::StartAndDispatchTo(m_server));
        m_server.onRequest(common::op::SelectMessage,
                           [this](const testsupport::TestRequest &) { return answer(common::op::SelectMessage); });
        m_server.onRequest(common::op::SelectMessageUser,
                           [this](const testsupport::TestRequest &) { return answer(common::op::SelectMessageUser); });
    }

    void init()
    {
        testsupport::SetTimeZone("UTC0");
        answerWith(OwnReply({}), ReceivedReply({}));
        m_server.clearRequests();
    }

    void dialogStartsEmpty()
    {
        MessageSearchDialog dialog(FolderId, UserId, nullptr);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Search for Messages"));
        QTableWidget *results = Results(dialog);
        QCOMPARE(results->columnCount(), 4);
        QStringList headers;
        for (int column = 0; column < 4; ++column)
            headers << results->horizontalHeaderItem(column)->text();
        QCOMPARE(headers, (QStringList{"Message From", "Message Subject", "Creation Date", "Modification Date"}));
        QCOMPARE(results->rowCount(), 0);
        QCOMPARE(Criteria(dialog)->getStandardItemModel()->rowCount(), 1);
        AbstractSearchEditor *editor = Editor(*Criteria(dialog), 0);
        QCOMPARE(SubjectBox(*editor)->currentText(), QStringLiteral("Message from"));
        QCOMPARE(PredicateBox(*editor)->currentText(), QStringLiteral("Equal"));
        QVERIFY(TextField(*editor)->isVisible());
        QVERIFY(dialog.findChildren<QRadioButton *>().at(0)->isChecked());
        QVERIFY(!Button(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(dialog.minimumSize(), QSize(640, 480));

        // From the sender to a date: the date field with six comparisons.
        SubjectBox(*editor)->setCurrentIndex(3);
        QVERIFY(!TextField(*editor)->isVisible());
        QVERIFY(DateField(*editor)->isVisible());
        QCOMPARE(PredicateBox(*editor)->count(), 6);
        QCOMPARE(PredicateBox(*editor)->currentText(), QStringLiteral("Equal"));

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(m_server.requests().empty());
    }

    void eachCriterionGoesToItsField_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("predicate");
        QTest::addColumn<QString>("field");
        const char *const texts[] = {"equal", "not_equal", "like", "not_like"};
        const char *const dates[] = {"equal",        "not_equal",          "less_than",
                                     "greater_than", "less_than_or_equal", "greater_than_or_equal"};
        for (int predicate = 0; predicate < 4; ++predicate) {
            QTest::addRow("from %s", texts[predicate])
                << 0 << predicate << QStringLiteral("message_from_%1").arg(texts[predicate]);
            QTest::addRow("subject %s", texts[predicate])
                << 1 << predicate << QStringLiteral("message_subject_%1").arg(texts[predicate]);
        }
        QTest::addRow("content") << 2 << 0 << "message_body_contains";
        for (int predicate = 0; predicate < 6; ++predicate) {
            QTest::addRow("created %s", dates[predicate])
                << 3 << predicate << QStringLiteral("message_creation_date_%1").arg(dates[predicate]);
            QTest::addRow("modified %s", dates[predicate])
                << 4 << predicate << QStringLiteral("message_modification_date_%1").arg(dates[predicate]);
        }
    }

    void eachCriterionGoesToItsField()
    {
        QFETCH(int, subject);
        QFETCH(int, predicate);
        QFETCH(QString, field);
        MessageSearchDialog dialog(FolderId, UserId, nullptr);
        const bool date = subject >= 3;
        if (date)
            SetDateCriterion(*Criteria(dialog), 0, subject, predicate, QDate(2024, 3, 10));
        else
            SetTextCriterion(*Criteria(dialog), 0, subject, predicate, QStringLiteral(" Re: 50% "));
        const QStringList expected{date ? QStringLiteral("2024-03-10 00:00:00") : QStringLiteral("Re: 50%")};

        Button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(sentOpcodes(), searchOpcodes());
        qorv::data::SelectMessageRequest own;
        QVERIFY(own.ParseFromString(m_server.requests().at(0).payload));
        qorv::data::SelectMessageUserRequest received;
        QVERIFY(received.ParseFromString(m_server.requests().at(1).payload));
        QCOMPARE(FilledTextLists(own), QStringList{field});
        QCOMPARE(Texts(own, field.toStdString()), expected);
        QCOMPARE(FilledTextLists(received), QStringList{field});
        QCOMPARE(Texts(received, field.toStdString()), expected);
    }

    void scopeAndOperatorAreAlwaysSent_data()
    {
        QTest::addColumn<int>("folderId");
        QTest::addColumn<int>("userId");
        QTest::addColumn<bool>("any");
        QTest::newRow("all") << FolderId << UserId << false;
        QTest::newRow("any") << FolderId << UserId << true;
        QTest::newRow("zero ids") << 0 << 0 << false;
    }

    void scopeAndOperatorAreAlwaysSent()
    {
        QFETCH(int, folderId);
        QFETCH(int, userId);
        QFETCH(bool, any);
        MessageSearchDialog dialog(folderId, userId, nullptr);
        dialog.findChildren<QRadioButton *>().at(any ? 1 : 0)->setChecked(true);
        // The starting row has no text: only the scope and the operator.
        const qorv::data::SelectMessageRequest own = dialog.getSelectMessageRequest();
        QCOMPARE(PresentFields(own), (QStringList{"message_user_id", "message_folder_id", "logical_operator"}));
        QVERIFY(FilledTextLists(own).isEmpty());
        QCOMPARE(own.message_folder_id(), folderId);
        QCOMPARE(own.message_user_id(), userId);
        QCOMPARE(int(own.logical_operator()), any ? 1 : 0);
        const qorv::data::SelectMessageUserRequest received = dialog.getSelectMessageUserRequest();
        QCOMPARE(PresentFields(received),
                 (QStringList{"message_user_user_id", "message_user_message_folder_id", "logical_operator"}));
        QVERIFY(FilledTextLists(received).isEmpty());
        QCOMPARE(received.message_user_message_folder_id(), folderId);
        QCOMPARE(received.message_user_user_id(), userId);
        QCOMPARE(int(received.logical_operator()), any ? 1 : 0);
    }

    void textsAreCutToTheirLimits_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sent");
        QTest::newRow("sender of 70") << 0 << QString(70, QLatin1Char('f')) << QString(64, QLatin1Char('f'));
        QTest::newRow("subject of 300") << 1 << QString(300, QLatin1Char('s')) << QString(256, QLatin1Char('s'));
        QTest::newRow("content of 2,500") << 2 << QString(2500, QLatin1Char('c')) << QString(2000, QLatin1Char('c'));
        QTest::newRow("subject with a character across byte 256")
            << 1 << QString(255, QLatin1Char('s')) + QStringLiteral("\u00fc") << QString(255, QLatin1Char('s'));
        QTest::newRow("sender with a character ending at byte 64")
            << 0 << QString(61, QLatin1Char('f')) + QStringLiteral("\u20acx")
            << QString(61, QLatin1Char('f')) + QStringLiteral("\u20ac");
    }

    void textsAreCutToTheirLimits()
    {
        QFETCH(int, subject);
        QFETCH(QString, text);
        QFETCH(QString, sent);
        MessageSearchDialog dialog(FolderId, UserId, nullptr);
        SetTextCriterion(*Criteria(dialog), 0, subject, 0, text);
        const char *field = subject == 0   ? "message_from_equal"
                            : subject == 1 ? "message_subject_equal"
                                           : "message_body_contains";
        QCOMPARE(Texts(dialog.getSelectMessageRequest(), field), QStringList{sent});
        QCOMPARE(Texts(dialog.getSelectMessageUserRequest(), field), QStringList{sent});
    }

    void rowsKeepTheirOrderAndDatesTheirZone()
    {
        testsupport::SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
        MessageSearchDialog dialog(FolderId, UserId, nullptr);
        SearchTableView &criteria = *Criteria(dialog);
        ClickHorizontalHeader(criteria);
        ClickHorizontalHeader(criteria);
        SetTextCriterion(criteria, 0, 1, 2, QStringLiteral("budget"));
        SetTextCriterion(criteria, 1, 1, 2, QStringLiteral("plan"));
        SetDateCriterion(criteria, 2, 3, 3, QDate(2024, 3, 10));
        const qorv::data::SelectMessageRequest own = dialog.getSelectMessageRequest();
        QCOMPARE(Texts(own, "message_subject_like"), (QStringList{"budget", "plan"}));
        QCOMPARE(Texts(own, "message_creation_date_greater_than"), QStringList{"2024-03-09 23:00:00"});
    }

    void bothRepliesAreListed()
    {
        MessageSearchDialog dialog(FolderId, UserId, nullptr);
        QVERIFY(ShowActive(dialog));
        answerWith(OwnReply(Own()), ReceivedReply(Received()));
        Button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(sentOpcodes(), searchOpcodes());
        qorv::data::SelectMessageRequest own;
        QVERIFY(own.ParseFromString(m_server.requests().at(0).payload));
        QCOMPARE(own.SerializeAsString(), dialog.getSelectMessageRequest().SerializeAsString());
        qorv::data::SelectMessageUserRequest received;
        QVERIFY(received.ParseFromString(m_server.requests().at(1).payload));
        QCOMPARE(received.SerializeAsString(), dialog.getSelectMessageUserRequest().SerializeAsString());

        // Nothing merged: a message in both replies shows twice. Sorted by
        // the sender, descending.
        QTableWidget *results = Results(dialog);
        QCOMPARE(results->rowCount(), 4);
        QCOMPARE(Column(*results, 0), (QStringList{"Young, Bo", "Lee, Ann", "Lee, Ann", "Lee, Ann"}));
        for (int row = 0; row < results->rowCount(); ++row) {
            QVERIFY(results->item(row, 0) && results->item(row, 1) && results->item(row, 2));
            const auto message = results->item(row, 0)->data(MessageRole).value<qorv::data::Message>();
            QCOMPARE(results->item(row, 1)->text(), QString::fromStdString(message.message_subject()));
            QCOMPARE(results->item(row, 2)->text(), QString::fromStdString(message.message_creation_date()));
            QVERIFY(!results->item(row, 1)->data(MessageRole).isValid());
        }

        // Sorted by subject, the rows still open their own messages.
        ClickResultsHeader(*results, 1);
        const QStringList subjects = Column(*results, 1);
        QVERIFY(subjects == (QStringList{"Re: Budget draft", "Budget draft", "Budget draft", "Agenda"})
                || subjects == (QStringList{"Agenda", "Budget draft", "Budget draft", "Re: Budget draft"}));
        const int reply = subjects.indexOf(QStringLiteral("Re: Budget draft"));
        const int agenda = subjects.indexOf(QStringLiteral("Agenda"));
        ClickResultRow(*results, reply);
        ClickResultRow(*results, agenda);
        ClickResultRow(*results, 1);
        QVERIFY(Button(dialog, QDialogButtonBox::Ok)->isEnabled());
        Button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const qorv::data::Messages selected = dialog.selectedMessages();
        QCOMPARE(selected.message_size(), 3);
        QCOMPARE(Subjects(selected), (QStringList{"Agenda", "Budget draft", "Re: Budget draft"}));
        for (const auto &message : selected.message()) {
            if (message.message_subject() == "Re: Budget draft")
                QVERIFY(message.message_user_is_recipient());
        }
    }

    // A search that finds a few thousand messages lists each once, sorted by
    // the sender, and every row's cells come from one message.
    void aLongResultKeepsEachRowWhole()
    {
        std::vector<qorv::data::Message> own;
        std::vector<qorv::data::Message> received;
        for (int index = 0; index < 3000; ++index) {
            // Senders out of their order: 7919 shares no factor with 10000.
            const std::string last =
                QStringLiteral("Name%1").arg((index * 7919) % 10000, 4, 10, QLatin1Char('0')).toStdString();
            auto &into = index % 3 == 0 ? received : own;
            into.push_back(MakeMessage(index, last, "Al", "Subject " + std::to_string(index), "2024-03-01 09:00:00",
                                       index % 3 == 0));
        }
        MessageSearchDialog dialog(FolderId, UserId, nullptr);
        QVERIFY(ShowActive(dialog));
        answerWith(OwnReply(own), ReceivedReply(received));
        Button(dialog, QDialogButtonBox::Apply)->click();

        QTableWidget *results = Results(dialog);
        QCOMPARE(results->rowCount(), 3000);
        const QStringList senders = Column(*results, 0);
        QVERIFY(std::is_sorted(senders.cbegin(), senders.cend(), std::greater<QString>()));
        for (int row = 0; row < results->rowCount(); ++row) {
            const auto message = results->item(row, 0)->data(MessageRole).value<qorv::data::Message>();
            QCOMPARE(results->item(row, 0)->text(),
                     QString::fromStdString(message.message_sender().user_last_name() + ", Al"));
            QCOMPARE(results->item(row, 1)->text(), QString::fromStdString(message.message_subject()));
        }
    }

    void oneFailedExchangeKeepsTheResults_data()
    {
        QTest::addColumn<bool>("firstFails");
        QTest::addColumn<QString>("failure");
        for (const bool first : {true, false}) {
            for (const char *failure : {"no answer", "error codes", "unparsable"})
                QTest::addRow("%s fails: %s", first ? "first" : "second", failure)
                    << first << QString::fromLatin1(failure);
        }
    }

    void oneFailedExchangeKeepsTheResults()
    {
        QFETCH(bool, firstFails);
        QFETCH(QString, failure);
        MessageSearchDialog dialog(FolderId, UserId, nullptr);
        QVERIFY(ShowActive(dialog));
        QLabel *notice = FailureNotice(dialog);
        QTableWidget *results = Results(dialog);
        answerWith(OwnReply({Own().at(1)}), ReceivedReply({Received().at(0)}));
        Button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(Column(*results, 1), (QStringList{"Re: Budget draft", "Agenda"}));
        QVERIFY(!notice->isVisible());

        // Both requests still go out, in order; the list keeps the last
        // complete answer rather than showing half of one.
        m_server.clearRequests();
        answerWith(OwnReply(Own()), ReceivedReply(Received()));
        testsupport::TestReply &failing = firstFails ? m_ownReply : m_receivedReply;
        if (failure == QLatin1String("error codes")) {
            failing.majorErcode = 3;
            failing.minorErcode = 2;
        } else if (failure == QLatin1String("unparsable")) {
            failing.payload = std::string("\x08", 1);
        } else {
            m_unansweredOpcode = firstFails ? common::op::SelectMessage : common::op::SelectMessageUser;
        }
        Button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(sentOpcodes(), searchOpcodes());
        QCOMPARE(Column(*results, 1), (QStringList{"Re: Budget draft", "Agenda"}));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), SearchFailed);

        // Reset empties both tables, and the notice goes with the results.
        dialog.findChildren<QRadioButton *>().at(1)->setChecked(true);
        Button(dialog, QDialogButtonBox::Reset)->click();
        QCOMPARE(results->rowCount(), 0);
        QVERIFY(!notice->isVisible());
        QCOMPARE(Criteria(dialog)->getStandardItemModel()->rowCount(), 1);
        QCOMPARE(SubjectBox(*Editor(*Criteria(dialog), 0))->currentText(), QStringLiteral("Message from"));
        QVERIFY(dialog.findChildren<QRadioButton *>().at(1)->isChecked());
        QVERIFY(!Button(dialog, QDialogButtonBox::Ok)->isEnabled());
    }
};

QTEST_MAIN(TestMessageSearchDialog)
#include "tst_messagesearchdialog.moc"
