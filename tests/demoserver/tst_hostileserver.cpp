#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "cryptographer.h"
#include "demoserver.h"
#include "hostileschedule.h"
#include "messagechannel.h"
#include "messagedispatcher.h"
#include "parsedexchange.h"
#include "registry.h"

#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "insertmessageuserreply3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <QtTest>

#include <chrono>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

using testsupport::HostileSchedule;
using Kind = testsupport::HostileSchedule::Kind;

using demoserver::LogsOn;
using demoserver::ParsedExchange;

namespace
{
constexpr int AnnId = 42;
constexpr int BobId = 43;
constexpr int AnnHomeFolder = 100;
constexpr int LettersFolder = 121;
constexpr int BobMessageFolder = 111;
constexpr int AnnsMessage = 2;
constexpr std::uint32_t FrameLimit = 128u * 1024u * 1024u;

// The majors of the exchanges tried below.
const common::Opcode Majors[] = {common::op::AuthenticateUser,  common::op::SelectFolder,  common::op::SelectDocument,
                                 common::op::SelectDocumentKey, common::op::SelectMessage, common::op::InsertFolder,
                                 common::op::UpdateMessage};

const Kind EveryKind[] = {Kind::Truncate, Kind::WrongTag, Kind::HugeLength,  Kind::LengthBeyondFrame,
                          Kind::Trickle,  Kind::NoAnswer, Kind::WrongOpcode, Kind::Stall};

std::string KindOfLine(const std::string &line)
{
    // "(50, 1) truncate after ..." -> "truncate"
    const std::size_t start = line.find(") ") + 2;
    return line.substr(start, line.find(' ', start) - start);
}
}

// The stand-alone server in this process: its hostile mode, and the sessions
// and messages it keeps, tried through the client's own exchange path.
class TestHostileServer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<demoserver::DemoServer> m_server;
    std::mutex m_linesMutex;
    std::vector<std::string> m_lines;

    std::vector<std::string> takeLines()
    {
        const std::lock_guard<std::mutex> lock(m_linesMutex);
        return std::exchange(m_lines, {});
    }

private slots:
    void initTestCase()
    {
        QString error;
        m_server =
            demoserver::DemoServer::fromSampleFile(QStringLiteral(QORV_SAMPLE_DATA), QORV_FIXTURE_KEY_DIR, &error);
        QVERIFY2(m_server, qPrintable(error));
        m_server->setFaultLog([this](const std::string &line) {
            const std::lock_guard<std::mutex> lock(m_linesMutex);
            m_lines.push_back(line);
        });
        QVERIFY(m_server->start(0));
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server->port());
        // A stall costs the client this much instead of its thirty seconds.
        MessageChannel::setInactivityTimeout(std::chrono::milliseconds(400));
    }

    void init()
    {
        m_server->setHostile(std::nullopt);
        QVERIFY(CryptographerSingleton::instance()->clear());
        QVERIFY(LogsOn("ann"));
        takeLines();
    }

    void cleanupTestCase() { m_server.reset(); }

    void scheduleRepeatsItselfForOneSeed()
    {
        HostileSchedule::Options options;
        options.stalls = true;
        HostileSchedule first(2027, options);
        HostileSchedule again(2027, options);
        HostileSchedule other(2028, options);
        bool differs = false;
        for (int i = 0; i < 400; ++i) {
            const common::Opcode major = Majors[static_cast<std::size_t>(i) % std::size(Majors)];
            const std::size_t length = 112 + static_cast<std::size_t>(i) * 7;
            const HostileSchedule::Decision a = first.next(major, common::tag::Plain, length);
            const HostileSchedule::Decision b = again.next(major, common::tag::Plain, length);
            QCOMPARE(a.description, b.description);
            QCOMPARE(a.faults.size(), b.faults.size());
            differs = differs || a.description != other.next(major, common::tag::Plain, length).description;
        }
        QVERIFY(differs);
    }

    void scheduleCoversEveryKind_data()
    {
        QTest::addColumn<bool>("stalls");
        QTest::newRow("without stalls") << false;
        QTest::newRow("with stalls") << true;
    }

    void scheduleCoversEveryKind()
    {
        QFETCH(bool, stalls);
        HostileSchedule::Options options;
        options.rate = 0.4;
        options.stalls = stalls;
        HostileSchedule schedule(7, options);
        std::map<Kind, int> seen;
        const int replies = 4000;
        for (int i = 0; i < replies; ++i) {
            const std::size_t length = 112 + static_cast<std::size_t>(i % 300);
            const HostileSchedule::Decision decision =
                schedule.next(common::op::SelectMessage, common::tag::Plain, length);
            ++seen[decision.kind];
            QCOMPARE(decision.faults.empty(), decision.kind == Kind::None);
            for (const testsupport::TestFault &fault : decision.faults) {
                if (decision.kind == Kind::HugeLength)
                    QVERIFY(fault.length > FrameLimit);
                if (decision.kind == Kind::Truncate || decision.kind == Kind::Stall)
                    QVERIFY(fault.bytes < length);
                if (decision.kind == Kind::Trickle) {
                    // A few bytes a write, and the whole reply inside a second.
                    QVERIFY(fault.bytes > 0);
                    QVERIFY((length / fault.bytes + 1) * static_cast<std::size_t>(fault.pause.count()) < 1000);
                }
                if (decision.kind == Kind::WrongOpcode)
                    QVERIFY(fault.majorOpcode != common::op::SelectMessage);
            }
        }
        for (const Kind kind : EveryKind) {
            if (kind == Kind::Stall && !stalls)
                QCOMPARE(seen.count(kind), std::size_t(0));
            else
                QVERIFY2(seen[kind] > 0, HostileSchedule::name(kind));
        }
        const double spoilt = 1.0 - static_cast<double>(seen[Kind::None]) / replies;
        QVERIFY2(spoilt > 0.35 && spoilt < 0.45, qPrintable(QString::number(spoilt)));
    }

    void scheduleSparesTheLogOnWhenAsked()
    {
        HostileSchedule::Options options;
        options.rate = 1.0;
        options.spareLogOn = true;
        HostileSchedule schedule(1, options);
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(schedule.next(common::op::AuthenticateUser, common::tag::Plain, 700).kind, Kind::None);
            QVERIFY(schedule.next(common::op::SelectFolder, common::tag::Plain, 700).kind != Kind::None);
        }
    }

    // Every exchange either answers with the sample's data or fails with the
    // failure pair; exactly the spoilt replies fail, except the trickles and
    // the replies under another opcode, which are sound and are taken.
    void clientSurvivesTheHostileServer()
    {
        HostileSchedule::Options options;
        options.rate = 0.5;
        options.stalls = true;
        m_server->setHostile(20260, options);

        int failed = 0;
        int answered = 0;
        const int exchanges = 320;
        for (int i = 0; i < exchanges; ++i) {
            bool ok = false;
            switch (i % 7) {
            case 0: {
                qorv::data::SelectFolderRequest request;
                request.set_folder_parent_id(AnnHomeFolder);
                const auto reply = ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder,
                                                                                 common::tag::Plain, request);
                ok = reply.has_value();
                if (ok) {
                    QCOMPARE(reply->folder_size(), 2);
                    QCOMPARE(reply->folder(0).folder_name(), std::string("Projects"));
                }
                break;
            }
            case 1: {
                qorv::data::SelectDocumentRequest request;
                request.set_document_folder_id(AnnHomeFolder);
                const auto reply = ParsedExchange<qorv::data::SelectDocumentReply>(common::op::SelectDocument,
                                                                                   common::tag::Plain, request);
                ok = reply.has_value();
                if (ok) {
                    QCOMPARE(reply->document_size(), 1);
                    QCOMPARE(reply->document(0).document_name(), std::string("Welcome"));
                }
                break;
            }
            case 2: {
                qorv::data::SelectDocumentKeyRequest request;
                request.set_document_key_user_id(AnnId);
                request.set_document_folder_id(110);
                const auto reply = ParsedExchange<qorv::data::SelectDocumentKeyReply>(common::op::SelectDocumentKey,
                                                                                      common::tag::Plain, request);
                ok = reply.has_value();
                if (ok) {
                    QCOMPARE(reply->document_key_size(), 1);
                    QCOMPARE(reply->document_key(0).document_key_document().document_name(),
                             std::string("Budget 2027"));
                }
                break;
            }
            case 3: {
                qorv::data::SelectMessageRequest request;
                request.set_message_user_id(AnnId);
                const auto reply = ParsedExchange<qorv::data::SelectMessageReply>(common::op::SelectMessage,
                                                                                  common::tag::Plain, request);
                ok = reply.has_value();
                if (ok) {
                    QCOMPARE(reply->message_size(), 2);
                    QCOMPARE(reply->message(0).message_subject(), std::string("Plan 2027"));
                }
                break;
            }
            case 4: {
                qorv::data::InsertFolderRequest request;
                request.mutable_folder()->set_folder_parent_id(LettersFolder);
                request.mutable_folder()->set_folder_name("Hostile " + std::to_string(i));
                const auto reply = ParsedExchange<qorv::data::InsertFolderReply>(common::op::InsertFolder,
                                                                                 common::tag::Plain, request);
                ok = reply.has_value();
                if (ok) {
                    QCOMPARE(reply->sql_diag_rec().sqlc(), common::SqlcSuccess);
                    QVERIFY(reply->folder_id() > 0);
                }
                break;
            }
            case 5: {
                qorv::data::UpdateMessageRequest request;
                *request.mutable_message() = MessageOfAnn();
                request.mutable_message()->set_message_description("round " + std::to_string(i));
                const auto reply = ParsedExchange<qorv::data::UpdateMessageReply>(common::op::UpdateMessage,
                                                                                  common::tag::Plain, request);
                ok = reply.has_value();
                if (ok)
                    QVERIFY(reply->return_code() != 0);
                break;
            }
            default:
                // The log-on is spoilt like any other reply; a failed one
                // leaves the client on the session it had.
                ok = LogsOn("ann");
                if (ok)
                    QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), AnnId);
                break;
            }
            if (ok)
                ++answered;
            else
                ++failed;
        }
        m_server->setHostile(std::nullopt);

        std::map<std::string, int> kinds;
        for (const std::string &line : takeLines())
            ++kinds[KindOfLine(line)];
        for (const Kind kind : EveryKind)
            QVERIFY2(kinds[HostileSchedule::name(kind)] > 0, HostileSchedule::name(kind));
        int spoilt = 0;
        for (const auto &[kind, count] : kinds) {
            if (kind != "trickle" && kind != "wrong-opcode")
                spoilt += count;
        }
        QCOMPARE(failed, spoilt);
        QCOMPARE(answered + failed, exchanges);

        // Nothing left behind: the same session answers soundly again.
        qorv::data::SelectMessageRequest request;
        request.set_message_id(AnnsMessage);
        const auto reply =
            ParsedExchange<qorv::data::SelectMessageReply>(common::op::SelectMessage, common::tag::Plain, request);
        QVERIFY(reply);
        QCOMPARE(reply->message_size(), 1);
        QVERIFY(LogsOn("ann"));
        QVERIFY(takeLines().empty());
    }

    void switchesOffBetweenSteps()
    {
        qorv::data::SelectFolderRequest request;
        request.set_folder_parent_id(AnnHomeFolder);
        m_server->setHostile(5, 1.0);
        // Spoilt for certain; whether the client could still use it depends
        // on the kind.
        [[maybe_unused]] const auto spoilt =
            ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder, common::tag::Plain, request);
        QCOMPARE(takeLines().size(), std::size_t(1));
        m_server->setHostile(std::nullopt);
        QVERIFY(ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder, common::tag::Plain, request));
        QVERIFY(takeLines().empty());
    }

    // A client that quit without logging off left the server on its session
    // key; the next program starts on the all-zero key and logs on anew.
    void logOnAfterAClientThatNeverLoggedOff()
    {
        QVERIFY(CryptographerSingleton::instance()->clear());
        QVERIFY(LogsOn("ann"));
        qorv::data::SelectFolderRequest request;
        request.set_folder_parent_id(AnnHomeFolder);
        QVERIFY(ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder, common::tag::Plain, request));
    }

    void groupsFollowTheLoggedOnAccount_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<int>("userId");
        QTest::newRow("bob") << "bob" << BobId;
        QTest::newRow("ann") << "ann" << AnnId;
    }

    void groupsFollowTheLoggedOnAccount()
    {
        QFETCH(QString, userName);
        QFETCH(int, userId);
        QVERIFY(LogsOn(userName.toStdString()));
        qorv::data::SelectGroupKeyRequest request;
        request.set_group_key_user_id(userId);
        const auto reply =
            ParsedExchange<qorv::data::SelectGroupKeyReply>(common::op::SelectGroupKey, common::tag::Plain, request);
        QVERIFY(reply);
        QCOMPARE(reply->group_key_size(), 1);
        QCOMPARE(reply->group_key(0).group_key_group().group_name(), std::string("Staff"));
        QVERIFY(LogsOn("ann"));
    }

    // Ann writes to Bob as the message editor does: the message, then Bob's
    // recipient row; Bob finds it in his root message folder after he logs
    // on, sees Ann's later change, and each side removes its own part.
    void aSentMessageReachesItsRecipient()
    {
        qorv::data::InsertMessageRequest insert;
        qorv::data::Message *message = insert.mutable_message();
        message->set_message_user_id(AnnId);
        message->set_message_folder_id(101);
        message->set_message_subject("Lunch");
        message->set_message_body("<p>At noon?</p>");
        *message->mutable_message_sender() = RegistrySingleton::instance()->getUser();
        const auto inserted =
            ParsedExchange<qorv::data::InsertMessageReply>(common::op::InsertMessage, common::tag::Plain, insert);
        QVERIFY(inserted);
        QVERIFY(inserted->return_code() != 0);
        const int messageId = inserted->message_id();
        QVERIFY(messageId > AnnsMessage);

        qorv::data::InsertMessageUserRequest row;
        *row.mutable_message() = insert.message();
        row.mutable_message()->set_message_id(messageId);
        row.mutable_message()->set_message_user_message_id(messageId);
        row.mutable_message()->set_message_user_user_id(BobId);
        row.mutable_message()->set_message_user_message_folder_id(BobMessageFolder);
        row.mutable_message()->set_message_user_field(qorv::data::Message::TO);
        row.mutable_message()->set_message_user_properties(0);
        const auto added =
            ParsedExchange<qorv::data::InsertMessageUserReply>(common::op::InsertMessageUser, common::tag::Plain, row);
        QVERIFY(added);
        QCOMPARE(added->sql_diag_rec().sqlc(), common::SqlcSuccess);
        const auto twice =
            ParsedExchange<qorv::data::InsertMessageUserReply>(common::op::InsertMessageUser, common::tag::Plain, row);
        QVERIFY(twice);
        QCOMPARE(twice->sql_diag_rec().sqlc(), common::SqlcUniqueViolation);
        row.mutable_message()->set_message_user_message_id(99999);
        const auto orphan =
            ParsedExchange<qorv::data::InsertMessageUserReply>(common::op::InsertMessageUser, common::tag::Plain, row);
        QVERIFY(orphan);
        QCOMPARE(orphan->sql_diag_rec().sqlc(), common::SqlcForeignKeyViolation);

        qorv::data::UpdateMessageRequest update;
        *update.mutable_message() = insert.message();
        update.mutable_message()->set_message_id(messageId);
        update.mutable_message()->set_message_body("<p>At one?</p>");
        const auto updated =
            ParsedExchange<qorv::data::UpdateMessageReply>(common::op::UpdateMessage, common::tag::Plain, update);
        QVERIFY(updated && updated->return_code() != 0);

        QVERIFY(LogsOn("bob"));
        qorv::data::SelectMessageUserRequest received;
        received.set_message_user_user_id(BobId);
        received.set_message_user_message_folder_id(BobMessageFolder);
        auto copies = ParsedExchange<qorv::data::SelectMessageUserReply>(common::op::SelectMessageUser,
                                                                         common::tag::Plain, received);
        QVERIFY(copies);
        std::optional<qorv::data::Message> copy;
        for (const qorv::data::Message &one : copies->message()) {
            if (one.message_id() == messageId)
                copy = one;
        }
        QVERIFY(copy);
        QVERIFY(copy->message_user_is_recipient());
        QCOMPARE(copy->message_subject(), std::string("Lunch"));
        QCOMPARE(copy->message_body(), std::string("<p>At one?</p>"));
        QCOMPARE(copy->message_sender().user_first_name(), std::string("Ann"));

        qorv::data::DeleteMessageUserRequest drop;
        drop.set_message_user_message_id(messageId);
        drop.set_message_user_user_id(BobId);
        const auto dropped =
            ParsedExchange<qorv::data::DeleteMessageUserReply>(common::op::DeleteMessageUser, common::tag::Plain, drop);
        QVERIFY(dropped && dropped->return_code() != 0);
        copies = ParsedExchange<qorv::data::SelectMessageUserReply>(common::op::SelectMessageUser, common::tag::Plain,
                                                                    received);
        QVERIFY(copies);
        for (const qorv::data::Message &one : copies->message())
            QVERIFY(one.message_id() != messageId);

        QVERIFY(LogsOn("ann"));
        qorv::data::DeleteMessageRequest erase;
        erase.set_message_id(messageId);
        const auto erased =
            ParsedExchange<qorv::data::DeleteMessageReply>(common::op::DeleteMessage, common::tag::Plain, erase);
        QVERIFY(erased && erased->return_code() != 0);
        qorv::data::SelectMessageRequest own;
        own.set_message_id(messageId);
        const auto gone =
            ParsedExchange<qorv::data::SelectMessageReply>(common::op::SelectMessage, common::tag::Plain, own);
        QVERIFY(gone);
        QCOMPARE(gone->message_size(), 0);
    }

    // A reply files a row for the parent's author with the new message.
    void aReplyReachesTheParentsAuthor()
    {
        qorv::data::InsertMessageRequest insert;
        qorv::data::Message *message = insert.mutable_message();
        message->set_message_user_id(AnnId);
        message->set_message_folder_id(101);
        message->set_message_parent_id(1);
        message->set_message_parent_relation(qorv::data::Message::PARENT_RELATION_REPLY);
        message->set_message_subject("RE: Budget");
        qorv::data::Message *row = insert.add_message_user();
        row->set_message_user_user_id(BobId);
        row->set_message_user_message_folder_id(BobMessageFolder);
        row->set_message_user_field(qorv::data::Message::TO);
        const auto inserted =
            ParsedExchange<qorv::data::InsertMessageReply>(common::op::InsertMessage, common::tag::Plain, insert);
        QVERIFY(inserted);

        QVERIFY(LogsOn("bob"));
        qorv::data::SelectMessageUserRequest received;
        received.set_message_user_user_id(BobId);
        const auto copies = ParsedExchange<qorv::data::SelectMessageUserReply>(common::op::SelectMessageUser,
                                                                               common::tag::Plain, received);
        QVERIFY(copies);
        QStringList subjects;
        for (const qorv::data::Message &one : copies->message())
            subjects.append(QString::fromStdString(one.message_subject()));
        QVERIFY2(subjects.contains(QStringLiteral("RE: Budget")), qPrintable(subjects.join(u',')));
        QVERIFY(LogsOn("ann"));
    }

private:
    static qorv::data::Message MessageOfAnn()
    {
        qorv::data::Message message;
        message.set_message_id(AnnsMessage);
        message.set_message_user_id(AnnId);
        message.set_message_folder_id(101);
        message.set_message_subject("Plan 2027");
        message.set_message_body("Cy, please comment on the plan.");
        return message;
    }
};

QTEST_MAIN(TestHostileServer)
#include "tst_hostileserver.moc"
