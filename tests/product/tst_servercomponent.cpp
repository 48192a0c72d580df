#include "clock.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "cryptographer.h"
#include "dispatchtotestserver.h"
#include "messagechannel.h"
#include "messagedispatcher.h"
#include "recordingcomponent.h"
#include "registry.h"
#include "scopedclock.h"
#include "servercomponent.h"
#include "testserver.h"

#include "authenticateuserreply3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "user3.pb.h"

#include <QGuiApplication>
#include <QtTest>

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <algorithm>
#include <memory>

using testsupport::RecordingComponent;
using testsupport::TestFault;
using testsupport::TestReply;
using testsupport::TestRequest;
using testsupport::TestServer;

namespace
{
struct PkeyDeleter
{
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct PkeyContextDeleter
{
    void operator()(EVP_PKEY_CTX *context) const { EVP_PKEY_CTX_free(context); }
};
struct BioDeleter
{
    void operator()(BIO *bio) const { BIO_free(bio); }
};

// The server's half of the RSA layer: seals a text for the client with the
// client's public key of this build tree, PKCS#1 v1.5.
std::string SealForClient(const std::string &text)
{
    static const std::unique_ptr<EVP_PKEY, PkeyDeleter> key = [] {
        const QByteArray path = QByteArray(QORV_FIXTURE_KEY_DIR) + "/client_public.pem";
        std::unique_ptr<BIO, BioDeleter> file(BIO_new_file(path.constData(), "r"));
        return std::unique_ptr<EVP_PKEY, PkeyDeleter>(file ? PEM_read_bio_PUBKEY(file.get(), nullptr, nullptr, nullptr)
                                                           : nullptr);
    }();
    if (!key)
        return std::string();
    std::unique_ptr<EVP_PKEY_CTX, PkeyContextDeleter> context(EVP_PKEY_CTX_new(key.get(), nullptr));
    size_t length = 0;
    if (!context || EVP_PKEY_encrypt_init(context.get()) <= 0
        || EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_PADDING) <= 0
        || EVP_PKEY_encrypt(context.get(), nullptr, &length, reinterpret_cast<const unsigned char *>(text.data()),
                            text.size())
               <= 0)
        return std::string();
    std::string sealed(length, '\0');
    if (EVP_PKEY_encrypt(context.get(), reinterpret_cast<unsigned char *>(sealed.data()), &length,
                         reinterpret_cast<const unsigned char *>(text.data()), text.size())
        <= 0)
        return std::string();
    sealed.resize(length);
    return sealed;
}

// Sets an encrypted field and its length field beside it, by name.
void SetSealed(qorv::data::AuthenticateUserReply &reply, const std::string &field, const std::string &sealed)
{
    const auto *descriptor = reply.GetDescriptor();
    const auto *reflection = reply.GetReflection();
    const auto *bytes = descriptor->FindFieldByName(field);
    const auto *length = descriptor->FindFieldByName(field + "_len");
    QVERIFY2(bytes && length, field.c_str());
    reflection->SetString(&reply, bytes, sealed);
    reflection->SetInt32(&reply, length, static_cast<int>(sealed.size()));
}

const std::string SessionKeyText = "\\x00112233445566778899AABBCCDDEEFF";
const std::array<unsigned char, 16> SessionKey = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                                  0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

// An accepted log-on as the server would send it, with the given session key
// and session id texts.
qorv::data::AuthenticateUserReply AcceptedLogOn(const std::string &keyText, const std::string &sessionIdText)
{
    qorv::data::AuthenticateUserReply reply;
    reply.set_user_name_found(true);
    reply.set_user_password_decoded(true);
    reply.set_user_session_inserted(true);
    const std::pair<const char *, std::string> fields[] = {
        {"encrypted_server_time_stamp", "2024-03-05 14:07:09.250000"},
        {"encrypted_encryption_key", keyText},
        {"encrypted_session_id", sessionIdText},
        {"encrypted_user_id", "1001"},
        {"encrypted_user_group_id", "7"},
        {"encrypted_user_name", "jdoe"},
        {"encrypted_user_last_name", "Doe"},
        {"encrypted_user_first_name", "Jane"},
        {"encrypted_user_middle_name", "Q"},
        {"encrypted_user_description", "Test user"},
        {"encrypted_user_email_address", "jdoe@example.org"},
        {"encrypted_user_properties", "3"},
        {"encrypted_user_creation_date", "2020-01-01 00:00:00"},
        {"encrypted_active", "4095"},
        {"encrypted_active_region", "Europe/Berlin"},
        {"encrypted_active_from", "00:00:00"},
        {"encrypted_active_to", "23:59:59"},
        {"encrypted_audits", "255"},
        {"encrypted_password", "AB"},
        {"encrypted_permissions", "15"},
        {"encrypted_session_duration", "3600"},
        {"encrypted_expiration_date", "9999-12-31 00:00:00"},
        {"encrypted_expiration_action", "0"},
        {"encrypted_user_security_descriptor_password_length", "64"},
        {"encrypted_user_folder_id", "2001"},
        {"encrypted_user_message_folder_id", "3001"},
    };
    for (const auto &[field, text] : fields)
        SetSealed(reply, field, SealForClient(text));
    return reply;
}

std::string CurrentKey()
{
    const unsigned char *key = CryptographerSingleton::instance()->getEkey();
    return std::string(reinterpret_cast<const char *>(key), 16);
}

// A window: records the reply and what the session looked like when it came.
class SessionWatcher : public RecordingComponent
{
public:
    explicit SessionWatcher(QStringList *log)
        : RecordingComponent(QStringLiteral("window"), log)
    {
    }

    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override
    {
        RecordingComponent::receiveReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        keyAtReply = CurrentKey();
        sessionIdAtReply = MessageDispatcher::getSessionId();
        userIdAtReply = RegistrySingleton::instance()->getUser().user_id();
        userNameAtReply = RegistrySingleton::instance()->getUserName();
        creationDateAtReply = MessageDispatcher::getSessionCreationDate();
        cursorAtReply = QGuiApplication::overrideCursor() != nullptr;
    }

    std::string keyAtReply;
    int sessionIdAtReply = 0;
    int userIdAtReply = 0;
    std::string userNameAtReply;
    std::string creationDateAtReply;
    bool cursorAtReply = true;
};
}

class TestServerComponent : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;
    QStringList m_log;
    std::unique_ptr<ServerComponent> m_component;
    std::unique_ptr<SessionWatcher> m_window;

    void send(common::Opcode major, common::Opcode minor, const std::string &request)
    {
        emit m_window->deliverRequest(major, minor, request);
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::StartAndDispatchTo(m_server)); }

    void init()
    {
        m_log.clear();
        m_server.clearRequests();
        m_server.setSessionKey(testsupport::TestSessionKey{});
        QVERIFY(CryptographerSingleton::instance()->clear());
        RegistrySingleton::instance()->clear();
        testsupport::DispatchTo(m_server);
        m_component = std::make_unique<ServerComponent>();
        m_window = std::make_unique<SessionWatcher>(&m_log);
        // Linked as on the bus: the request goes down, the reply comes up.
        QObject::connect(m_window.get(), &Component::deliverRequest, m_component.get(),
                         &ServerComponent::receiveRequest);
        QObject::connect(m_component.get(), &Component::deliverReply, m_window.get(),
                         &RecordingComponent::receiveReply);
    }

    void cleanup()
    {
        m_component.reset();
        m_window.reset();
        QVERIFY(CryptographerSingleton::instance()->clear());
        RegistrySingleton::instance()->clear();
    }

    void forwardedRequestIsExchanged_data()
    {
        QTest::addColumn<int>("major");
        for (int major : {4, 5, 7, 10, 13, 18, 20, 25, 28, 33, 39, 41, 43, 46, 49, 60, 64, 66, 68})
            QTest::addRow("%d", major) << major;
    }

    void forwardedRequestIsExchanged()
    {
        QFETCH(int, major);
        m_server.reply(major, common::tag::OpenFolder, "answer");

        send(major, common::tag::OpenFolder, "question");

        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), size_t(1));
        QCOMPARE(requests[0].majorOpcode, major);
        QCOMPARE(requests[0].minorOpcode, common::tag::OpenFolder);
        QCOMPARE(requests[0].payload, std::string("question"));
        QCOMPARE(m_log, QStringList({QStringLiteral("window: reply %1 -38 0 0").arg(major)}));
        QCOMPARE(m_window->lastRequest(), std::string("question"));
        QCOMPARE(m_window->lastReply(), std::string("answer"));
        // The wait cursor is gone before the reply handlers run.
        QVERIFY(!m_window->cursorAtReply);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void serverErrorPassesThrough()
    {
        m_server.reply(common::op::UpdateDocument, common::tag::Plain, "diagnostics", 90, 3);
        send(common::op::UpdateDocument, common::tag::Plain, "question");
        QCOMPARE(m_log, QStringList({"window: reply 57 1 90 3"}));
        QCOMPARE(m_window->lastReply(), std::string("diagnostics"));
    }

    void otherRequestIsIgnored_data()
    {
        QTest::addColumn<int>("major");
        for (int major :
             {-53, -26, -12, -1, 0, 1, 2, 11, 12, 19, 26, 27, 34, 35, 37, 38, 42, 47, 48, 61, 63, 69, 72, 75})
            QTest::addRow("%d", major) << major;
    }

    void otherRequestIsIgnored()
    {
        QFETCH(int, major);
        send(major, common::tag::Plain, "question");
        QVERIFY(m_server.requests().empty());
        QVERIFY(m_log.isEmpty());
    }

    void noServerGivesNoReplyCodes_data()
    {
        QTest::addColumn<int>("major");
        QTest::newRow("default handler") << common::op::SelectDocument;
        QTest::newRow("log-on") << common::op::AuthenticateUser;
        QTest::newRow("message update") << common::op::UpdateMessage;
    }

    void noServerGivesNoReplyCodes()
    {
        QFETCH(int, major);
        TestServer closed;
        QVERIFY(closed.start());
        const int port = closed.port();
        closed.stop();
        MessageDispatcher::setServerPort(port);

        send(major, common::tag::Plain, qorv::data::UpdateMessageRequest().SerializeAsString());

        QCOMPARE(m_log, QStringList({QStringLiteral("window: reply %1 1 -1 1").arg(major)}));
        QCOMPARE(m_window->lastReply(), std::string());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void replyThatFailsToDecryptGivesNoReplyCodes()
    {
        m_server.reply(common::op::SelectDocument, common::tag::Plain, "answer");
        m_server.injectFault(TestFault::wrongTag());
        send(common::op::SelectDocument, common::tag::Plain, "question");
        QCOMPARE(m_log, QStringList({"window: reply 41 1 -1 1"}));
        QCOMPARE(m_window->lastReply(), std::string());
    }

    void headerWithoutTheRestGivesNoReply()
    {
        m_server.reply(common::op::SelectDocument, common::tag::Plain, "answer");
        m_server.injectFault(TestFault::closeAfterBytes(80));
        QTest::ignoreMessage(QtWarningMsg, "Reply to request (41, 1) dropped: incomplete after its header (0, 0)");
        send(common::op::SelectDocument, common::tag::Plain, "question");
        QCOMPARE(m_server.requests().size(), size_t(1));
        QVERIFY(m_log.isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void stalledServerGivesNoReplyCodes_data()
    {
        QTest::addColumn<int>("major");
        QTest::newRow("default handler") << common::op::SelectDocument;
        QTest::newRow("log-on") << common::op::AuthenticateUser;
    }

    void stalledServerGivesNoReplyCodes()
    {
        QFETCH(int, major);
        m_server.injectFault(TestFault::stallAfterBytes(0));
        MessageChannel::setInactivityTimeout(std::chrono::milliseconds(300));

        send(major, common::tag::Plain, "question");
        MessageChannel::setInactivityTimeout(MessageChannel::m_DefaultInactivityTimeout);

        QCOMPARE(m_log, QStringList({QStringLiteral("window: reply %1 1 -1 1").arg(major)}));
        QCOMPARE(m_window->lastReply(), std::string());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void oversizedReplyGivesNoReplyCodes_data()
    {
        QTest::addColumn<int>("major");
        QTest::newRow("default handler") << common::op::SelectDocument;
        QTest::newRow("log-on") << common::op::AuthenticateUser;
    }

    void oversizedReplyGivesNoReplyCodes()
    {
        // A header that announces more than any reply may hold is refused
        // before a byte of the rest is read, and the window hears of it.
        QFETCH(int, major);
        m_server.reply(major, common::tag::Plain, "answer");
        m_server.injectFault(TestFault::segmentLength(TestFault::Segment::Code, 1u << 30));

        send(major, common::tag::Plain, "question");

        QCOMPARE(m_log, QStringList({QStringLiteral("window: reply %1 1 -1 1").arg(major)}));
        QCOMPARE(m_window->lastReply(), std::string());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void messageUpdateIsStampedInUtc()
    {
        testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 3, 5, 14, 7, 9)
                                       + std::chrono::microseconds(250000));
        qorv::data::UpdateMessageRequest update;
        update.mutable_message()->set_message_id(5);
        update.mutable_message()->set_message_subject("Agenda");
        update.mutable_message()->set_message_modification_date("2000-01-01 00:00:00");
        m_server.reply(common::op::UpdateMessage, common::tag::MoveMessage, "");

        send(common::op::UpdateMessage, common::tag::MoveMessage, update.SerializeAsString());

        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), size_t(1));
        qorv::data::UpdateMessageRequest sent;
        QVERIFY(sent.ParseFromString(requests[0].payload));
        QCOMPARE(sent.message().message_modification_date(), std::string("2024-03-05 14:07:09.250000"));
        QCOMPARE(sent.message().message_id(), 5);
        QCOMPARE(sent.message().message_subject(), std::string("Agenda"));
        // The reply echoes what was sent, not what the window handed down.
        QCOMPARE(m_log, QStringList({"window: reply 65 -25 0 0"}));
        QCOMPARE(m_window->lastRequest(), requests[0].payload);
    }

    void messageUpdateWithoutMessageGetsOne()
    {
        testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 3, 5, 14, 7, 9));
        send(common::op::UpdateMessage, common::tag::Plain, qorv::data::UpdateMessageRequest().SerializeAsString());
        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), size_t(1));
        qorv::data::UpdateMessageRequest sent;
        QVERIFY(sent.ParseFromString(requests[0].payload));
        QVERIFY(sent.has_message());
        QCOMPARE(sent.message().message_modification_date(), std::string("2024-03-05 14:07:09"));
    }

    void messageUpdateThatDoesNotParseIsDropped()
    {
        QTest::ignoreMessage(QtWarningMsg, "A message update that does not parse is dropped; nothing is sent.");
        send(common::op::UpdateMessage, common::tag::Plain, std::string("\xff\xff\xff", 3));
        QVERIFY(m_server.requests().empty());
        QVERIFY(m_log.isEmpty());
    }

    void acceptedLogOnIsInstalledBeforeAnyWindowSeesIt()
    {
        const std::string reply = AcceptedLogOn(SessionKeyText, "77").SerializeAsString();
        m_server.reply(common::op::AuthenticateUser, common::tag::Plain, reply);

        send(common::op::AuthenticateUser, common::tag::Plain, "log-on request");

        QCOMPARE(m_log, QStringList({"window: reply 3 1 0 0"}));
        QCOMPARE(m_window->lastReply(), reply);
        QCOMPARE(m_window->keyAtReply, std::string(SessionKey.begin(), SessionKey.end()));
        QCOMPARE(m_window->sessionIdAtReply, 77);
        QCOMPARE(m_window->userIdAtReply, 1001);
        QCOMPARE(m_window->userNameAtReply, std::string("jdoe"));
        QCOMPARE(m_window->creationDateAtReply, std::string("2024-03-05 14:07:09.250000"));
        QCOMPARE(RegistrySingleton::instance()->getUser().user_message_folder_id(), 3001);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_security_descriptor().audits(), 255u);
    }

    void refusedLogOnIsDeliveredAsReceived_data()
    {
        QTest::addColumn<bool>("nameFound");
        QTest::addColumn<bool>("passwordDecoded");
        QTest::addColumn<bool>("sessionInserted");
        QTest::newRow("user name not found") << false << true << true;
        QTest::newRow("password not accepted") << true << false << true;
        QTest::newRow("no session") << true << true << false;
    }

    void refusedLogOnIsDeliveredAsReceived()
    {
        QFETCH(bool, nameFound);
        QFETCH(bool, passwordDecoded);
        QFETCH(bool, sessionInserted);
        qorv::data::AuthenticateUserReply message = AcceptedLogOn(SessionKeyText, "77");
        message.set_user_name_found(nameFound);
        message.set_user_password_decoded(passwordDecoded);
        message.set_user_session_inserted(sessionInserted);
        const std::string reply = message.SerializeAsString();
        m_server.reply(common::op::AuthenticateUser, common::tag::Plain, reply);

        send(common::op::AuthenticateUser, common::tag::Plain, "log-on request");

        // The console reads the flags itself and reports the refusal.
        QCOMPARE(m_log, QStringList({"window: reply 3 1 0 0"}));
        QCOMPARE(m_window->lastReply(), reply);
        QCOMPARE(m_window->keyAtReply, std::string(16, '\0'));
        QCOMPARE(m_window->userIdAtReply, 0);
    }

    void logOnThatCannotBeInstalledIsAFailure_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("key text too short")
            << QByteArray::fromStdString(AcceptedLogOn("\\x00112233445566778899AABBCCDDEEF", "77").SerializeAsString());
        QTest::newRow("key text too long")
            << QByteArray::fromStdString(AcceptedLogOn(SessionKeyText + "0", "77").SerializeAsString());
        QTest::newRow("key text not hexadecimal") << QByteArray::fromStdString(
            AcceptedLogOn("\\x0011223344556677889XAABBCCDDEEFF", "77").SerializeAsString());
        QTest::newRow("session id not a number")
            << QByteArray::fromStdString(AcceptedLogOn(SessionKeyText, "none").SerializeAsString());
        QTest::newRow("session id empty")
            << QByteArray::fromStdString(AcceptedLogOn(SessionKeyText, "").SerializeAsString());
        QTest::newRow("session id out of range")
            << QByteArray::fromStdString(AcceptedLogOn(SessionKeyText, "99999999999").SerializeAsString());
        qorv::data::AuthenticateUserReply garbled = AcceptedLogOn(SessionKeyText, "77");
        garbled.set_encrypted_user_id(std::string(256, 'x'));
        QTest::newRow("user field does not decrypt") << QByteArray::fromStdString(garbled.SerializeAsString());
        qorv::data::AuthenticateUserReply badNumber = AcceptedLogOn(SessionKeyText, "77");
        SetSealed(badNumber, "encrypted_user_folder_id", SealForClient("folder"));
        QTest::newRow("user number field not a number") << QByteArray::fromStdString(badNumber.SerializeAsString());
        QTest::newRow("reply does not parse") << QByteArray("\xff\xff\xff\xff", 4);
    }

    void logOnThatCannotBeInstalledIsAFailure()
    {
        QFETCH(QByteArray, payload);
        // A session is in place; the failed log-on must leave all of it.
        const testsupport::TestSessionKey previousKey = {0x5a, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        std::copy(previousKey.begin(), previousKey.end(), CryptographerSingleton::instance()->getEkey());
        m_server.setSessionKey(previousKey);
        MessageDispatcher::setSessionId(31);
        MessageDispatcher::setSessionCreationDate("2024-01-01 00:00:00");
        RegistrySingleton::instance()->getUser().set_user_id(5);
        m_server.reply(common::op::AuthenticateUser, common::tag::Plain, payload.toStdString());

        send(common::op::AuthenticateUser, common::tag::Plain, "log-on request");

        // It arrived, so it is not "no reply"; and not (0, 0) with all three
        // flags set: the console must not take this for a log-on.
        QCOMPARE(m_log, QStringList({"window: reply 3 1 -1 2"}));
        QCOMPARE(m_window->lastReply(), payload.toStdString());
        QCOMPARE(m_window->keyAtReply, std::string(previousKey.begin(), previousKey.end()));
        QCOMPARE(m_window->sessionIdAtReply, 31);
        QCOMPARE(m_window->creationDateAtReply, std::string("2024-01-01 00:00:00"));
        QCOMPARE(m_window->userIdAtReply, 5);
        QVERIFY(!RegistrySingleton::instance()->getUser().has_user_name());
    }

    void logOnWithAMinorCodeOnlyIsInstalled_data()
    {
        QTest::addColumn<int>("minorErcode");
        QTest::newRow("(0, 7)") << 7;
        QTest::newRow("(0, -3)") << -3;
    }

    void logOnWithAMinorCodeOnlyIsInstalled()
    {
        QFETCH(int, minorErcode);
        const std::string reply = AcceptedLogOn(SessionKeyText, "77").SerializeAsString();
        m_server.reply(common::op::AuthenticateUser, common::tag::Plain, reply, 0, minorErcode);

        send(common::op::AuthenticateUser, common::tag::Plain, "log-on request");

        // Only the major code refuses; the codes travel on as the server sent them.
        QCOMPARE(m_log, QStringList({QStringLiteral("window: reply 3 1 0 %1").arg(minorErcode)}));
        QCOMPARE(m_window->lastReply(), reply);
        QCOMPARE(m_window->keyAtReply, std::string(SessionKey.begin(), SessionKey.end()));
        QCOMPARE(m_window->sessionIdAtReply, 77);
        QCOMPARE(m_window->userIdAtReply, 1001);
    }

    void logOnServerErrorPassesThrough()
    {
        m_server.reply(common::op::AuthenticateUser, common::tag::Plain, "diagnostics", 92, 0);
        send(common::op::AuthenticateUser, common::tag::Plain, "log-on request");
        QCOMPARE(m_log, QStringList({"window: reply 3 1 92 0"}));
        QCOMPARE(m_window->lastReply(), std::string("diagnostics"));
    }

    void logOnHeaderWithoutTheRestIsAnswered_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("server error") << 92 << 4 << QStringLiteral("window: reply 3 1 92 4");
        // A header that says "fine" and then breaks off is no log-on either.
        QTest::newRow("clean header") << 0 << 0 << QStringLiteral("window: reply 3 1 -1 1");
    }

    void logOnHeaderWithoutTheRestIsAnswered()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(QString, expected);
        m_server.reply(common::op::AuthenticateUser, common::tag::Plain,
                       AcceptedLogOn(SessionKeyText, "77").SerializeAsString(), majorErcode, minorErcode);
        m_server.injectFault(TestFault::closeAfterBytes(80));

        send(common::op::AuthenticateUser, common::tag::Plain, "log-on request");

        QCOMPARE(m_log, QStringList({expected}));
        QCOMPARE(m_window->lastReply(), std::string());
        QCOMPARE(m_window->keyAtReply, std::string(16, '\0'));
    }
};

QTEST_MAIN(TestServerComponent)
#include "tst_servercomponent.moc"
