#include "common/majorcode.h"
#include "common/minortag.h"
#include "messagedispatcher.h"
#include "testserver.h"
#include "userserver.h"

#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "user3.pb.h"

#include <QtTest>

#include <limits>
#include <string>

using testsupport::TestRequest;
using testsupport::TestServer;

namespace
{
constexpr int NullSessionId = std::numeric_limits<int>::min();

qorv::data::User LocalCopy()
{
    qorv::data::User user;
    user.set_user_id(5);
    user.set_user_first_name("Anna");
    user.set_user_last_name("Smith");
    user.set_user_properties(0);
    return user;
}

qorv::data::User ServerCopy()
{
    qorv::data::User user;
    user.set_user_id(5);
    user.set_user_group_id(2);
    user.set_user_first_name("Anna");
    user.set_user_last_name("Smyth");
    user.set_user_email_address("anna@example.com");
    user.set_user_properties(4);
    return user;
}

std::string ReplyWith(int users)
{
    qorv::data::SelectUserReply reply;
    for (int i = 0; i < users; ++i)
        *reply.add_user() = ServerCopy();
    reply.add_ckey(1);
    return reply.SerializeAsString();
}
}

class TestUserServer : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }

    void init()
    {
        m_server.clearRequests();
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        MessageDispatcher::setSessionId(NullSessionId);
    }

    void reloadReplacesTheRecord()
    {
        m_server.reply(common::op::SelectUser, common::tag::Plain, ReplyWith(1));
        qorv::data::User user = LocalCopy();
        QVERIFY(UserServer(user).reload());
        QCOMPARE(user.SerializeAsString(), ServerCopy().SerializeAsString());

        // One plain select-user request that names nothing but the id.
        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), size_t(1));
        QCOMPARE(requests[0].majorOpcode, common::op::SelectUser);
        QCOMPARE(requests[0].minorOpcode, common::tag::Plain);
        qorv::data::SelectUserRequest request;
        QVERIFY(request.ParseFromString(requests[0].payload));
        QCOMPARE(request.id_enum_case(), qorv::data::SelectUserRequest::kUserId);
        QCOMPARE(request.user_id(), 5);
        QVERIFY(!request.has_user_name());
        QVERIFY(!request.has_user_email_address());
        QVERIFY(!request.do_not_exclude_administrator_user_id());
        QVERIFY(!request.do_not_exclude_session_user_id());
        QCOMPARE(request.exclude_user_id_size(), 0);
    }

    // Without an id the request still names one: 0.
    void recordWithoutId()
    {
        m_server.reply(common::op::SelectUser, common::tag::Plain, ReplyWith(0));
        qorv::data::User user;
        QVERIFY(!UserServer(user).reload());
        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), size_t(1));
        qorv::data::SelectUserRequest request;
        QVERIFY(request.ParseFromString(requests[0].payload));
        QCOMPARE(request.id_enum_case(), qorv::data::SelectUserRequest::kUserId);
        QCOMPARE(request.user_id(), 0);
    }

    void refusedReplies_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("unknown user") << QByteArray::fromStdString(ReplyWith(0));
        QTest::newRow("two users") << QByteArray::fromStdString(ReplyWith(2));
        QTest::newRow("empty payload") << QByteArray();
        QTest::newRow("not a reply") << QByteArray("\xff\xff\xff\xff", 4);
    }

    void refusedReplies()
    {
        QFETCH(QByteArray, payload);
        m_server.reply(common::op::SelectUser, common::tag::Plain, payload.toStdString());
        qorv::data::User user = LocalCopy();
        const std::string before = user.SerializeAsString();
        QVERIFY(!UserServer(user).reload());
        QCOMPARE(user.SerializeAsString(), before);
    }

    // A reply that carries one user is taken whatever its error codes say.
    void errorCodesAreNotExamined()
    {
        m_server.reply(common::op::SelectUser, common::tag::Plain, ReplyWith(1), 7, 3);
        qorv::data::User user = LocalCopy();
        QVERIFY(UserServer(user).reload());
        QCOMPARE(user.user_last_name(), std::string("Smyth"));
    }

    void serverUnreachable()
    {
        TestServer closed;
        QVERIFY(closed.start());
        const unsigned short port = closed.port();
        closed.stop();
        MessageDispatcher::setServerPort(port);

        qorv::data::User user = LocalCopy();
        const std::string before = user.SerializeAsString();
        QVERIFY(!UserServer(user).reload());
        QCOMPARE(user.SerializeAsString(), before);
    }
};

QTEST_APPLESS_MAIN(TestUserServer)
#include "tst_userserver.moc"
