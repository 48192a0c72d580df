// The random source is replaced through the library's method table, which
// it still honours though it no longer advertises it.
#define OPENSSL_SUPPRESS_DEPRECATED

#include "acelogcapture.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "cryptographer.h"
#include "dispatchtotestserver.h"
#include "message.h"
#include "messagechannel.h"
#include "messagedispatcher.h"
#include "noncesource.h"
#include "scopedclock.h"
#include "scopedcryptographerlockfailure.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "testserver.h"

#include <QtTest>

#include <openssl/rand.h>

#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <limits>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using testsupport::TestFault;
using testsupport::TestReply;
using testsupport::TestRequest;
using testsupport::TestServer;
using testsupport::TestSessionKey;

Q_DECLARE_METATYPE(TestFault)

namespace
{
constexpr int NullSessionId = std::numeric_limits<int>::min();

const TestSessionKey LoggedOnKey = {0x3c, 0x01, 0x9f, 0x44, 0x70, 0x12, 0xd5, 0x8e,
                                    0x21, 0xab, 0x05, 0x6d, 0xe0, 0x37, 0xc8, 0x99};

void SetClientSessionKey(const TestSessionKey &key)
{
    std::memcpy(CryptographerSingleton::instance()->getEkey(), key.data(), key.size());
}

std::string FolderRequest(int folderId)
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folderId);
    return request.SerializeAsString();
}

std::string DocumentsReply(const std::string &name)
{
    qorv::data::SelectDocumentReply reply;
    reply.add_document()->set_document_name(name);
    return reply.SerializeAsString();
}

struct Outcome
{
    bool dispatched;
    int majorErcode;
    int minorErcode;
    std::string reply;
};

Outcome Exchange(int majorOpcode, int minorOpcode, const std::string &request)
{
    MessageDispatcher dispatcher(majorOpcode, minorOpcode, request);
    const bool dispatched = dispatcher.dispatch();
    return {dispatched, dispatcher.getMajorErcode(), dispatcher.getMinorErcode(), dispatcher.getReply()};
}

// Short enough for a test to wait it out; the program's own is 30 s.
constexpr std::chrono::milliseconds ShortTimeout(300);

// Stands in for a random source that has run dry while it is installed. The
// library's own method comes back when it goes.
class DryRandomSource
{
public:
    DryRandomSource()
        : m_previous(RAND_get_rand_method())
    {
        m_dry.bytes = [](unsigned char *, int) { return 0; };
        m_dry.status = [] { return 0; };
        RAND_set_rand_method(&m_dry);
    }
    ~DryRandomSource() { RAND_set_rand_method(m_previous); }
    DryRandomSource(const DryRandomSource &) = delete;
    DryRandomSource &operator=(const DryRandomSource &) = delete;

private:
    const RAND_METHOD *m_previous;
    RAND_METHOD m_dry{};
};

// A listening socket whose backlog is full: the kernel drops further
// connection attempts, so a client's connect never completes.
class FullBacklog
{
public:
    FullBacklog()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
            || ::listen(m_listener, 0) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        // The one connection a zero backlog admits, never accepted.
        m_filler = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        m_filled = ::connect(m_filler, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    }
    ~FullBacklog()
    {
        if (m_filler >= 0)
            ::close(m_filler);
        if (m_listener >= 0)
            ::close(m_listener);
    }
    FullBacklog(const FullBacklog &) = delete;
    FullBacklog &operator=(const FullBacklog &) = delete;

    bool isFull() const { return m_filled; }
    unsigned short port() const { return m_port; }

private:
    int m_listener = -1;
    int m_filler = -1;
    bool m_filled = false;
    unsigned short m_port = 0;
};
}

class TestMessageDispatcher : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;

private slots:
    void initTestCase() { QVERIFY(testsupport::StartAndDispatchTo(m_server)); }

    void init()
    {
        m_server.clearRequests();
        m_server.setSessionKey(TestSessionKey{});
        SetClientSessionKey(TestSessionKey{});
        testsupport::DispatchTo(m_server);
        MessageDispatcher::setSessionId(NullSessionId);
    }

    void roundTrip()
    {
        const std::string request = FolderRequest(1234);
        m_server.reply(common::op::SelectDocument, common::tag::OpenFolder, DocumentsReply("Minutes"));

        MessageDispatcher dispatcher(common::op::SelectDocument, common::tag::OpenFolder, request);
        QVERIFY(dispatcher.dispatch());
        QVERIFY(dispatcher.noEr());
        QCOMPARE(dispatcher.getMajorErcode(), 0);
        QCOMPARE(dispatcher.getMinorErcode(), 0);

        qorv::data::SelectDocumentReply reply;
        QVERIFY(reply.ParseFromString(dispatcher.getReply()));
        QCOMPARE(reply.document_size(), 1);
        QCOMPARE(reply.document(0).document_name(), std::string("Minutes"));

        // What the server read with its own parser and opened with its own cipher.
        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), std::size_t(1));
        const TestRequest &sent = requests.front();
        QVERIFY(sent.authentic);
        QCOMPARE(sent.payload, request);
        QCOMPARE(sent.byteOrder, 1u);
        QCOMPARE(sent.sessionId, NullSessionId);
        QCOMPARE(sent.messageId, 0);
        QCOMPARE(sent.majorProtocol, 1);
        QCOMPARE(sent.minorProtocol, 0);
        QCOMPARE(sent.majorOpcode, common::op::SelectDocument);
        QCOMPARE(sent.minorOpcode, common::tag::OpenFolder);
        QCOMPARE(sent.majorErcode, 1);
        QCOMPARE(sent.minorErcode, 1);
        QCOMPARE(sent.hmacLength, 0u);
        QCOMPARE(sent.ivecLength, 16u);
        QCOMPARE(sent.atagLength, 16u);
        QCOMPARE(sent.codeLength, static_cast<std::uint32_t>(request.size()));
        QCOMPARE(sent.bodyLength, 0u);
        QVERIFY(sent.code != request);
    }

    void requestHeaderOnTheWire()
    {
        const testsupport::ScopedClock clock(testsupport::UtcInstant(2025, 11, 3, 7, 45, 30));
        MessageDispatcher::setSessionId(-2);
        Exchange(common::op::UpdateDocument, common::tag::Plain, std::string(300, 'x'));

        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), std::size_t(1));
        QCOMPARE(QByteArray::fromStdString(requests.front().rawHeader).toHex(), QByteArray("01000000"
                                                                                           "feffffff"
                                                                                           "00000000"
                                                                                           "01000000"
                                                                                           "00000000"
                                                                                           "39000000"
                                                                                           "01000000"
                                                                                           "01000000"
                                                                                           "01000000"
                                                                                           "e9070000"
                                                                                           "0b000000"
                                                                                           "03000000"
                                                                                           "07000000"
                                                                                           "2d000000"
                                                                                           "1e000000"
                                                                                           "00000000"
                                                                                           "10000000"
                                                                                           "10000000"
                                                                                           "2c010000"
                                                                                           "00000000"));
    }

    void emptyPayloadTravelsUnencrypted()
    {
        const Outcome outcome = Exchange(common::op::TerminateUserSession, common::tag::Plain, std::string());
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 0);
        QCOMPARE(outcome.minorErcode, 0);
        QVERIFY(outcome.reply.empty());

        const TestRequest sent = m_server.requests().front();
        QCOMPARE(sent.codeLength, 0u);
        QCOMPARE(sent.ivecLength, 16u);
        QCOMPARE(sent.atagLength, 16u);
        QVERIFY(sent.payload.empty());
    }

    void largePayloadsBothWays()
    {
        std::string payload(3 * 1024 * 1024 + 17, '\0');
        for (std::size_t i = 0; i < payload.size(); ++i)
            payload[i] = static_cast<char>(i * 131 % 251);
        m_server.onRequest(common::op::UpdateDocument, [](const TestRequest &request) {
            TestReply reply;
            reply.payload = std::string(request.payload.rbegin(), request.payload.rend());
            return reply;
        });

        const Outcome outcome = Exchange(common::op::UpdateDocument, common::tag::Plain, payload);
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.reply, std::string(payload.rbegin(), payload.rend()));
        QCOMPARE(m_server.requests().front().payload, payload);
    }

    void framesAreSealedUnderTheSessionKey()
    {
        SetClientSessionKey(LoggedOnKey);
        m_server.setSessionKey(LoggedOnKey);
        m_server.reply(common::op::SelectFolder, common::tag::Plain, "folders");

        const Outcome outcome = Exchange(common::op::SelectFolder, common::tag::Plain, "select");
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.reply, std::string("folders"));
        QVERIFY(m_server.requests().front().authentic);
    }

    void requestUnderAnotherKeyIsRefused()
    {
        // The server still expects the all-zero key of a client not logged on.
        SetClientSessionKey(LoggedOnKey);

        const Outcome outcome = Exchange(common::op::SelectFolder, common::tag::Plain, "select");
        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 1);
        QCOMPARE(outcome.minorErcode, 1);
        QVERIFY(!m_server.requests().front().authentic);
    }

    void serverErrorCodes_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<int>("expectedMajorErcode");
        QTest::addColumn<int>("expectedMinorErcode");

        QTest::newRow("success") << 0 << 0 << 0 << 0;
        QTest::newRow("request's words (1, 1)") << 1 << 1 << 0 << 0;
        QTest::newRow("(1, 0)") << 1 << 0 << 0 << 0;
        QTest::newRow("(0, 1)") << 0 << 1 << 0 << 0;
        QTest::newRow("(2, 1)") << 2 << 1 << 2 << 0;
        QTest::newRow("refused (-1, -1)") << -1 << -1 << -1 << -1;
        QTest::newRow("sql state") << 83906754 << 3 << 83906754 << 3;
    }

    void serverErrorCodes()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(int, expectedMajorErcode);
        QFETCH(int, expectedMinorErcode);
        m_server.reply(common::op::InsertDocument, common::tag::Plain, "diagnostics", majorErcode, minorErcode);

        const std::string request = "insert";
        MessageDispatcher dispatcher(common::op::InsertDocument, common::tag::Plain, request);
        QVERIFY(dispatcher.dispatch());
        QCOMPARE(dispatcher.getMajorErcode(), expectedMajorErcode);
        QCOMPARE(dispatcher.getMinorErcode(), expectedMinorErcode);
        QCOMPARE(dispatcher.noEr(), expectedMajorErcode == 0 && expectedMinorErcode == 0);
        QCOMPARE(dispatcher.getReply(), std::string("diagnostics"));
    }

    void bigEndianReplyHeader()
    {
        TestReply reply;
        reply.payload = "from a big-endian server";
        reply.majorErcode = 7;
        reply.minorErcode = -2;
        reply.sessionId = 0x01020304;
        m_server.reply(common::op::SelectMessage, common::tag::Plain, reply);
        m_server.injectFault(TestFault::bigEndianHeader());

        const Outcome outcome = Exchange(common::op::SelectMessage, common::tag::Plain, "select");
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 7);
        QCOMPARE(outcome.minorErcode, -2);
        QCOMPARE(outcome.reply, reply.payload);
        QCOMPARE(MessageDispatcher::getSessionId(), 0x01020304);
    }

    void failedExchanges_data()
    {
        QTest::addColumn<TestFault>("fault");
        QTest::addColumn<int>("expectedMajorErcode");
        QTest::addColumn<int>("expectedMinorErcode");

        // Before a complete reply header, or on a reply that does not open,
        // the request's own (1, 1) remain.
        QTest::newRow("no answer") << TestFault::noAnswer() << 1 << 1;
        QTest::newRow("closed before the header") << TestFault::closeAfterBytes(0) << 1 << 1;
        QTest::newRow("closed inside the header") << TestFault::closeAfterBytes(40) << 1 << 1;
        QTest::newRow("closed one byte short of the header") << TestFault::closeAfterBytes(79) << 1 << 1;
        QTest::newRow("wrong tag") << TestFault::wrongTag() << 1 << 1;

        // After the header: the reply header's codes, scripted as (5, 6).
        QTest::newRow("closed after the header") << TestFault::closeAfterBytes(80) << 5 << 6;
        QTest::newRow("closed inside the IV") << TestFault::closeAfterBytes(90) << 5 << 6;
        QTest::newRow("closed inside the code") << TestFault::closeAfterBytes(120) << 5 << 6;
        // A header that claims more than the frame limit is refused before
        // anything else is read: the failure pair, as if nothing arrived.
        QTest::newRow("absurd HMAC length")
            << TestFault::segmentLength(TestFault::Segment::Hmac, 0xFFFFFFFFu) << 1 << 1;
        QTest::newRow("absurd IV length") << TestFault::segmentLength(TestFault::Segment::Ivec, 0xFFFFFFFFu) << 1 << 1;
        QTest::newRow("IV one byte too long") << TestFault::segmentLength(TestFault::Segment::Ivec, 17) << 5 << 6;
        QTest::newRow("absurd tag length") << TestFault::segmentLength(TestFault::Segment::Atag, 0x80000000u) << 1 << 1;
        QTest::newRow("absurd code length")
            << TestFault::segmentLength(TestFault::Segment::Code, 0xFFFFFFFFu) << 1 << 1;
        QTest::newRow("code length above the cipher's count")
            << TestFault::segmentLength(TestFault::Segment::Code, 0x80000000u) << 1 << 1;
        QTest::newRow("code longer than sent")
            << TestFault::segmentLength(TestFault::Segment::Code, 0x00100000u) << 5 << 6;
        QTest::newRow("absurd body length")
            << TestFault::segmentLength(TestFault::Segment::Body, 0xFFFFFFFFu) << 1 << 1;
        QTest::newRow("clear body beside the code") << TestFault::clearBody("unsealed") << 5 << 6;
    }

    void failedExchanges()
    {
        QFETCH(TestFault, fault);
        QFETCH(int, expectedMajorErcode);
        QFETCH(int, expectedMinorErcode);

        TestReply reply;
        reply.payload = "a reply long enough to be cut in its code segment";
        reply.majorErcode = 5;
        reply.minorErcode = 6;
        reply.sessionId = 99;
        m_server.reply(common::op::SelectDocument, common::tag::Plain, reply);
        m_server.injectFault(fault);
        MessageDispatcher::setSessionId(17);

        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, expectedMajorErcode);
        QCOMPARE(outcome.minorErcode, expectedMinorErcode);
        QVERIFY(outcome.reply.empty());
        // Only a complete exchange moves the session id.
        QCOMPARE(MessageDispatcher::getSessionId(), 17);

        // The next exchange is unaffected.
        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, "select").dispatched);
        QCOMPARE(MessageDispatcher::getSessionId(), 99);
    }

    void incompleteHeaderIsLogged()
    {
        m_server.injectFault(TestFault::closeAfterBytes(79));
        const testsupport::AceLogCapture log;
        QVERIFY(!Exchange(common::op::SelectDocument, common::tag::Plain, "select").dispatched);
        QVERIFY2(log.text().find("Message::receiveHeader(): headerCount != m_HeaderLength") != std::string::npos,
                 log.text().c_str());
    }

    void oversizedRepliesAreRefusedUnread_data()
    {
        QTest::addColumn<TestFault>("fault");
        // The IV and tag take 32 bytes of the limit.
        const std::uint32_t justOver = Message::m_MaxFrameLength - 32 + 1;
        QTest::newRow("HMAC one byte over") << TestFault::segmentLength(TestFault::Segment::Hmac, justOver);
        QTest::newRow("code one byte over") << TestFault::segmentLength(TestFault::Segment::Code, justOver);
        QTest::newRow("1 GiB HMAC") << TestFault::segmentLength(TestFault::Segment::Hmac, 1u << 30);
        QTest::newRow("512 MiB code") << TestFault::segmentLength(TestFault::Segment::Code, 1u << 29);
    }

    void oversizedRepliesAreRefusedUnread()
    {
        QFETCH(TestFault, fault);
        TestReply reply;
        reply.payload = "documents";
        reply.majorErcode = 5;
        reply.minorErcode = 6;
        m_server.reply(common::op::SelectDocument, common::tag::Plain, reply);
        m_server.injectFault(fault);

        const testsupport::AceLogCapture log;
        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(!outcome.dispatched);
        // The failure pair, not the codes the oversized header claimed.
        QCOMPARE(outcome.majorErcode, 1);
        QCOMPARE(outcome.minorErcode, 1);
        QVERIFY(outcome.reply.empty());
        QCOMPARE(log.count(QStringLiteral("Message::receive(): reply refused, its segments exceed the frame limit")),
                 1);
    }

    void hmacIsReadPastAndNotKept()
    {
        m_server.reply(common::op::SelectDocument, common::tag::Plain, DocumentsReply("Agenda"));
        m_server.injectFault(TestFault::hmac(std::string(5000, 'H')));

        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.reply, DocumentsReply("Agenda"));
    }

    void slowRepliesStillArrive_data()
    {
        QTest::addColumn<int>("bytesPerWrite");
        QTest::addColumn<int>("pauseMs");

        QTest::newRow("a byte at a time") << 1 << 1;
        QTest::newRow("seven bytes at a time") << 7 << 3;
        QTest::newRow("header and segments split unevenly") << 61 << 5;
    }

    void slowRepliesStillArrive()
    {
        QFETCH(int, bytesPerWrite);
        QFETCH(int, pauseMs);
        m_server.reply(common::op::SelectDocument, common::tag::Plain, DocumentsReply("Agenda"));
        m_server.injectFault(
            TestFault::trickle(static_cast<std::size_t>(bytesPerWrite), std::chrono::milliseconds(pauseMs)));

        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 0);
        QCOMPARE(outcome.minorErcode, 0);
        QCOMPARE(outcome.reply, DocumentsReply("Agenda"));
    }

    // Each exchange has a connection of its own, so its reply can answer no
    // other request: the opcodes of the reply header are not looked at, and a
    // sound reply under other opcodes is taken as the answer.
    void replyHeaderOpcodesAreNotConsulted()
    {
        TestReply reply;
        reply.payload = DocumentsReply("Minutes");
        reply.sessionId = 77;
        m_server.reply(common::op::SelectDocument, common::tag::Plain, reply);
        m_server.injectFault(TestFault::wrongOpcode(common::op::SelectUser, -3));

        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.reply, DocumentsReply("Minutes"));
        QCOMPARE(MessageDispatcher::getSessionId(), 77);
    }

    void replyIsHandedOutWithoutCopies()
    {
        m_server.reply(common::op::SelectDocument, common::tag::Plain, DocumentsReply("Minutes"));
        const std::string request = "select";
        MessageDispatcher dispatcher(common::op::SelectDocument, common::tag::Plain, request);
        QVERIFY(dispatcher.dispatch());
        // Every call hands out the one reply the dispatcher holds.
        QCOMPARE(&dispatcher.getReply(), &dispatcher.getReply());
        QCOMPARE(dispatcher.getReply(), DocumentsReply("Minutes"));
    }

    void requestThatCannotBeSealedIsNotSent()
    {
        const testsupport::AceLogCapture log;
        Outcome outcome;
        {
            // Without a fresh nonce the frame must not go out.
            const DryRandomSource dry;
            NonceSource::discard();
            outcome = Exchange(common::op::SelectDocument, common::tag::Plain, FolderRequest(7));
        }
        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 1);
        QCOMPARE(outcome.minorErcode, 1);
        QVERIFY(outcome.reply.empty());
        QVERIFY(m_server.requests().empty());
        QCOMPARE(log.count(QStringLiteral("MessageDispatcher::sealRequest(): RAND_bytes, nothing sent")), 1);

        // An empty payload needs no sealing and still goes out.
        {
            const DryRandomSource dry;
            NonceSource::discard();
            QVERIFY(Exchange(common::op::TerminateUserSession, common::tag::Plain, std::string()).dispatched);
        }
        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, FolderRequest(7)).dispatched);
        QCOMPARE(m_server.requests().size(), std::size_t(2));
    }

    // A session key that cannot be read (the Cryptographer's lock was not
    // available) must not be taken for the all-zero key: the frame would go
    // out under a key anyone can use. Nothing is sent, not even a request
    // without a payload, which needs no sealing.
    void unreadableSessionKeyRefusesTheExchange_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("payload") << QByteArray::fromStdString(FolderRequest(7));
        QTest::newRow("no payload") << QByteArray();
    }

    void unreadableSessionKeyRefusesTheExchange()
    {
        QFETCH(QByteArray, payload);
        const testsupport::AceLogCapture log;
        Outcome outcome;
        {
            const testsupport::ScopedCryptographerLockFailure lockFailure;
            outcome = Exchange(common::op::SelectDocument, common::tag::Plain, payload.toStdString());
        }
        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 1);
        QCOMPARE(outcome.minorErcode, 1);
        QVERIFY(outcome.reply.empty());
        QVERIFY(m_server.requests().empty());
        QCOMPARE(log.count(QStringLiteral("MessageDispatcher::sealRequest(): the session key cannot be read, "
                                          "nothing sent")),
                 1);

        // The key readable again, the same exchange goes through.
        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, payload.toStdString()).dispatched);
        QCOMPARE(m_server.requests().size(), std::size_t(1));
    }

    // A key that becomes unreadable between sealing and opening drops the
    // reply instead of opening it under the all-zero key.
    void unreadableSessionKeyDropsTheReply()
    {
        SetClientSessionKey(LoggedOnKey);
        const std::string request = FolderRequest(7);
        MessageDispatcher dispatcher(common::op::SelectDocument, common::tag::Plain, request);
        Message message(m_server.port(), "127.0.0.1");
        QVERIFY(dispatcher.sealRequest(message));

        const testsupport::AceLogCapture log;
        {
            const testsupport::ScopedCryptographerLockFailure lockFailure;
            QVERIFY(!dispatcher.openReply(message));
        }
        QCOMPARE(dispatcher.getMajorErcode(), 1);
        QCOMPARE(dispatcher.getMinorErcode(), 1);
        QVERIFY(dispatcher.getReply().empty());
        QCOMPARE(log.count(QStringLiteral("MessageDispatcher::openReply(): the session key cannot be read, "
                                          "reply dropped")),
                 1);

        // The sealed frame itself was fine: with the key it opens.
        QVERIFY(dispatcher.openReply(message));
        QCOMPARE(dispatcher.getReply(), request);
    }

    void stalledServerTimesOut_data()
    {
        QTest::addColumn<TestFault>("fault");
        QTest::addColumn<int>("expectedMajorErcode");
        QTest::addColumn<int>("expectedMinorErcode");
        QTest::addColumn<QString>("step");

        QTest::newRow("accepts and never answers")
            << TestFault::stallAfterBytes(0) << 1 << 1 << QStringLiteral("MessageChannel::receiveExact()");
        QTest::newRow("stalls inside the header")
            << TestFault::stallAfterBytes(40) << 1 << 1 << QStringLiteral("MessageChannel::receiveExact()");
        QTest::newRow("stalls after the header")
            << TestFault::stallAfterBytes(80) << 5 << 6 << QStringLiteral("MessageChannel::receiveExact()");
        QTest::newRow("stalls half-way through the frame")
            << TestFault::stallAfterBytes(130) << 5 << 6 << QStringLiteral("MessageChannel::receiveExact()");
    }

    void stalledServerTimesOut()
    {
        QFETCH(TestFault, fault);
        QFETCH(int, expectedMajorErcode);
        QFETCH(int, expectedMinorErcode);
        QFETCH(QString, step);

        TestReply reply;
        reply.payload = std::string(200, 'r');
        reply.majorErcode = 5;
        reply.minorErcode = 6;
        reply.sessionId = 99;
        m_server.reply(common::op::SelectDocument, common::tag::Plain, reply);
        m_server.injectFault(fault);
        MessageDispatcher::setSessionId(17);
        MessageChannel::setInactivityTimeout(ShortTimeout);

        const testsupport::AceLogCapture log;
        QElapsedTimer clock;
        clock.start();
        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        const qint64 elapsed = clock.elapsed();
        MessageChannel::setInactivityTimeout(MessageChannel::m_DefaultInactivityTimeout);

        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, expectedMajorErcode);
        QCOMPARE(outcome.minorErcode, expectedMinorErcode);
        QVERIFY(outcome.reply.empty());
        QCOMPARE(MessageDispatcher::getSessionId(), 17);
        QVERIFY2(elapsed >= ShortTimeout.count() - 20, QByteArray::number(elapsed));
        QVERIFY2(elapsed < 10000, QByteArray::number(elapsed));
        QCOMPARE(log.count(step + QStringLiteral(": no progress within the time-out: Connection timed out")), 1);

        // The server is free again once the client has let go.
        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, "select").dispatched);
    }

    void unansweredConnectTimesOut()
    {
        const FullBacklog backlog;
        QVERIFY(backlog.isFull());
        MessageDispatcher::setServerPort(backlog.port());
        MessageChannel::setInactivityTimeout(ShortTimeout);

        const testsupport::AceLogCapture log;
        QElapsedTimer clock;
        clock.start();
        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        const qint64 elapsed = clock.elapsed();
        MessageChannel::setInactivityTimeout(MessageChannel::m_DefaultInactivityTimeout);

        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 1);
        QCOMPARE(outcome.minorErcode, 1);
        QVERIFY2(elapsed < 10000, QByteArray::number(elapsed));
        QCOMPARE(log.count(QStringLiteral(
                     "MessageChannel::connect(): no connection within the time-out: Connection timed out")),
                 1);
    }

    void noServerListening()
    {
        TestServer closed;
        QVERIFY(closed.start());
        const unsigned short port = closed.port();
        closed.stop();
        MessageDispatcher::setServerPort(port);

        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 1);
        QCOMPARE(outcome.minorErcode, 1);
        QVERIFY(outcome.reply.empty());
    }

    void unresolvableServerName()
    {
        MessageDispatcher::setServerName("no-such-host.invalid");
        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(!outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 1);
        QCOMPARE(outcome.minorErcode, 1);
    }

    void serverNameIsResolved()
    {
        // "localhost" may name ::1 first; the server listens on 127.0.0.1 only.
        MessageDispatcher::setServerName("localhost");
        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, "select").dispatched);
        QCOMPARE(m_server.requests().size(), std::size_t(1));
    }

    void unparsablePayloadIsTheCallersToJudge()
    {
        const std::string garbage("\xff\xff\xff\xff\x0f", 5);
        m_server.reply(common::op::SelectDocument, common::tag::Plain, garbage);

        const Outcome outcome = Exchange(common::op::SelectDocument, common::tag::Plain, "select");
        QVERIFY(outcome.dispatched);
        QCOMPARE(outcome.majorErcode, 0);
        QCOMPARE(outcome.minorErcode, 0);
        QCOMPARE(outcome.reply, garbage);
        qorv::data::SelectDocumentReply reply;
        QVERIFY(!reply.ParseFromString(outcome.reply));
    }

    void sessionIdFollowsEveryCompleteReply()
    {
        m_server.setReplySessionId(42);
        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, "first").dispatched);
        QCOMPARE(MessageDispatcher::getSessionId(), 42);

        // A refused request still renumbers the session.
        TestReply refused;
        refused.majorErcode = -1;
        refused.minorErcode = -1;
        refused.sessionId = 43;
        m_server.reply(common::op::UpdateDocument, common::tag::Plain, refused);
        QVERIFY(Exchange(common::op::UpdateDocument, common::tag::Plain, "second").dispatched);
        QCOMPARE(MessageDispatcher::getSessionId(), 43);

        // A reply that does not open does not.
        TestReply forged;
        forged.payload = "forged";
        forged.sessionId = 44;
        m_server.reply(common::op::UpdateFolder, common::tag::Plain, forged);
        m_server.injectFault(TestFault::wrongTag());
        QVERIFY(!Exchange(common::op::UpdateFolder, common::tag::Plain, "third").dispatched);
        QCOMPARE(MessageDispatcher::getSessionId(), 43);

        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, "fourth").dispatched);
        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), std::size_t(4));
        QCOMPARE(requests[0].sessionId, NullSessionId);
        QCOMPARE(requests[1].sessionId, 42);
        QCOMPARE(requests[2].sessionId, 43);
        QCOMPARE(requests[3].sessionId, 43);
        m_server.setReplySessionId(NullSessionId);
    }

    void serverPortMustBeValid_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("80") << 80 << false;
        QTest::newRow("1023") << 1023 << false;
        QTest::newRow("1024") << 1024 << true;
        QTest::newRow("65535") << 65535 << true;
        QTest::newRow("65536") << 65536 << false;
        QTest::newRow("negative") << -4000 << false;
    }

    void serverPortMustBeValid()
    {
        QFETCH(int, port);
        QFETCH(bool, accepted);
        MessageDispatcher::setServerPort(5000);

        const testsupport::AceLogCapture log;
        MessageDispatcher::setServerPort(port);
        QCOMPARE(MessageDispatcher::getServerPort(), accepted ? port : 5000);
        QCOMPARE(log.text().find("network::IsValidPort(port)") != std::string::npos, !accepted);
    }

    void serverNameMustNotBeEmpty()
    {
        MessageDispatcher::setServerName("server.example");
        const testsupport::AceLogCapture log;
        MessageDispatcher::setServerName(std::string());
        QCOMPARE(MessageDispatcher::getServerName(), std::string("server.example"));
        QVERIFY(log.text().find("!name.empty()") != std::string::npos);
    }

    void sessionCreationDateIsKept()
    {
        MessageDispatcher::setSessionCreationDate("2025-11-03 07:45:30.000000");
        QVERIFY(Exchange(common::op::SelectDocument, common::tag::Plain, "select").dispatched);
        QCOMPARE(MessageDispatcher::getSessionCreationDate(), std::string("2025-11-03 07:45:30.000000"));
    }
};

QTEST_GUILESS_MAIN(TestMessageDispatcher)
#include "tst_messagedispatcher.moc"
