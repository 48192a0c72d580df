#include "authenticateuserclientpkihandler.h"
#include "authenticateuserresponder.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "crypto.h"
#include "cryptographer.h"
#include "logoncompletion.h"
#include "messagedispatcher.h"
#include "registry.h"
#include "testserver.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "user3.pb.h"

#include <QtTest>

#include <algorithm>
#include <limits>

using testsupport::AuthenticateUserResponder;
using testsupport::TestRequest;
using testsupport::TestServer;
using testsupport::TestSessionKey;

namespace
{
const TestSessionKey IssuedKey = {0xa0, 0xa1, 0xa2, 0xa3, 0xb4, 0xb5, 0xb6, 0xb7,
                                  0xc8, 0xc9, 0xca, 0xcb, 0xdc, 0xdd, 0xde, 0xdf};

qorv::data::User Ann()
{
    qorv::data::User user;
    user.set_user_id(42);
    user.set_user_group_id(7);
    user.set_user_name("ann");
    user.set_user_email_address("ann@example.org");
    user.set_user_properties(0xFFFFFFFFu);
    user.set_user_folder_id(100);
    user.set_user_message_folder_id(101);
    qorv::data::SecurityDescriptor *descriptor = user.mutable_user_security_descriptor();
    descriptor->set_active_region("Europe/Lisbon");
    descriptor->set_permissions(0x80000001u);
    descriptor->set_session_duration(3600);
    return user;
}

// The log-on request as the console builds it.
std::string LogOnRequest(const std::string &userName, const std::string &password)
{
    AuthenticateUserClientPkiHandler handler;
    handler.setUserNameHash(crypto::HashUserName(userName));
    handler.setUserPasswordHash(crypto::HashPassword(password));
    qorv::data::AuthenticateUserRequest request;
    if (handler.encryptRequest(request) != 0)
        return std::string();
    return request.SerializeAsString();
}

TestSessionKey ClientSessionKey()
{
    TestSessionKey key;
    std::copy_n(CryptographerSingleton::instance()->getEkey(), key.size(), key.begin());
    return key;
}
}

class TestLogOnExchange : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;
    AuthenticateUserResponder m_responder{QORV_FIXTURE_KEY_DIR};

private slots:
    void initTestCase()
    {
        QVERIFY(m_responder.isValid());
        m_responder.setAccount(crypto::HashUserName("ann"), crypto::HashPassword("correct horse"));
        m_responder.setUser(Ann());
        m_responder.setSessionKey(IssuedKey);
        m_responder.setSessionId(4711);
        m_responder.setServerTimestamp("2025-11-03 07:45:30.123456");
        m_server.onRequest(common::op::AuthenticateUser, m_responder.handler());
        QVERIFY(m_server.start());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
    }

    void init()
    {
        m_server.setSessionKey(TestSessionKey{});
        m_server.clearRequests();
        QVERIFY(CryptographerSingleton::instance()->clear());
        MessageDispatcher::setSessionId(std::numeric_limits<int>::min());
    }

    void acceptedLogOnHandsOutTheSession()
    {
        const std::string request = LogOnRequest("ann", "correct horse");
        QVERIFY(!request.empty());
        MessageDispatcher dispatcher(common::op::AuthenticateUser, common::tag::Plain, request);
        QVERIFY(dispatcher.dispatch());
        QVERIFY(dispatcher.noEr());

        // The server opened what the client sealed with RSA.
        QCOMPARE(m_responder.lastUserNameHash(), crypto::HashUserName("ann"));
        QCOMPARE(m_responder.lastPasswordHash(), crypto::HashPassword("correct horse"));
        QCOMPARE(m_responder.lastClientTimestamp().size(), std::size_t(19));
        QCOMPARE(m_server.requests().front().sessionId, std::numeric_limits<int>::min());
        // The reply header already carries the new session.
        QCOMPARE(MessageDispatcher::getSessionId(), 4711);

        LogOnCompletion completion;
        QVERIFY(completion.complete(dispatcher.getReply()));
        QCOMPARE(ClientSessionKey(), IssuedKey);
        QCOMPARE(completion.getSessionId(), 4711);
        QCOMPARE(completion.getSessionCreationDate(), std::string("2025-11-03 07:45:30.123456"));
        const qorv::data::User &user = RegistrySingleton::instance()->getUser();
        QCOMPARE(user.user_id(), 42);
        QCOMPARE(user.user_properties(), 0xFFFFFFFFu);
        QCOMPARE(user.user_security_descriptor().permissions(), 0x80000001u);
        QCOMPARE(user.user_security_descriptor().active_region(), std::string("Europe/Lisbon"));
        QCOMPARE(user.user_message_folder_id(), 101);

        // Both sides now seal under the issued key.
        m_server.reply(common::op::SelectDocument, common::tag::Plain, "documents");
        const std::string selectRequest = "select";
        MessageDispatcher select(41, 1, selectRequest);
        QVERIFY(select.dispatch());
        QCOMPARE(select.getReply(), std::string("documents"));
        const TestRequest sent = m_server.requests().back();
        QVERIFY(sent.authentic);
        QCOMPARE(sent.sessionId, 4711);
    }

    void refusedLogOn_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("sessionRefused");
        QTest::addColumn<bool>("nameFound");
        QTest::addColumn<bool>("passwordDecoded");

        QTest::newRow("unknown user") << "bob"
                                      << "correct horse" << false << false << false;
        QTest::newRow("wrong password") << "ann"
                                        << "battery staple" << false << true << false;
        QTest::newRow("no session") << "ann"
                                    << "correct horse" << true << true << true;
    }

    void refusedLogOn()
    {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(bool, sessionRefused);
        QFETCH(bool, nameFound);
        QFETCH(bool, passwordDecoded);
        m_responder.setSessionRefused(sessionRefused);

        const std::string request = LogOnRequest(userName.toStdString(), password.toStdString());
        MessageDispatcher dispatcher(common::op::AuthenticateUser, common::tag::Plain, request);
        QVERIFY(dispatcher.dispatch());
        QVERIFY(dispatcher.noEr());
        m_responder.setSessionRefused(false);

        qorv::data::AuthenticateUserReply reply;
        QVERIFY(reply.ParseFromString(dispatcher.getReply()));
        QCOMPARE(reply.user_name_found(), nameFound);
        QCOMPARE(reply.user_password_decoded(), passwordDecoded);
        QVERIFY(!reply.user_session_inserted());
        QVERIFY(reply.encrypted_encryption_key().empty());

        QVERIFY(!LogOnCompletion().complete(dispatcher.getReply()));
        QCOMPARE(ClientSessionKey(), TestSessionKey{});
        // The server kept the all-zero key too: the next frame still opens.
        const std::string nextRequest = "select";
        MessageDispatcher next(common::op::SelectDocument, common::tag::Plain, nextRequest);
        QVERIFY(next.dispatch());
        QVERIFY(m_server.requests().back().authentic);
    }
};

QTEST_GUILESS_MAIN(TestLogOnExchange)
#include "tst_logonexchange.moc"
