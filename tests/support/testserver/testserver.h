#ifndef TESTSERVER_H
#define TESTSERVER_H

#include "testfault.h"
#include "testreply.h"
#include "testrequest.h"
#include "testsessionkey.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testsupport
{
// A scriptable stand-in for the suite's server on 127.0.0.1, listening on an
// ephemeral port in a thread of its own (the client's exchanges block the
// test's thread). It reads each request frame with its own header parser,
// opens the payload with its own AES-GCM under the session key it is told
// (all zero until then), records what it decoded and answers one frame per
// connection, then closes.
//
//     TestServer server;
//     QVERIFY(server.start());
//     MessageDispatcher::setServerName("127.0.0.1");
//     MessageDispatcher::setServerPort(server.port());
//     server.reply(41, -38, reply.SerializeAsString());
//     server.onRequest(3, [](const TestRequest &request) { return TestReply{...}; });
//     server.injectFault(TestFault::wrongTag());
//     ... server.requests() ...
//
// Answers are chosen per request: a scripted reply for its (major, minor)
// opcodes, else the handler for its major opcode, else an empty reply with
// the error codes (0, 0). A request whose frame breaks the protocol or whose
// tag does not verify is recorded with authentic false and gets no answer.
class TestServer
{
public:
    using Handler = std::function<TestReply(const TestRequest &)>;

    TestServer();
    ~TestServer();

    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    // Listens and starts serving; false when no socket could be opened. Also
    // ignores SIGPIPE for the process, as the client program does at start-up,
    // so a peer that closes early cannot kill the test. Port 0 takes any free
    // port; a stand-alone server names its own.
    bool start(unsigned short port = 0);
    void stop();
    unsigned short port() const;

    // Answers every request (major, minor) with this reply until replaced.
    void reply(std::int32_t majorOpcode, std::int32_t minorOpcode, const std::string &payload,
               std::int32_t majorErcode = 0, std::int32_t minorErcode = 0);
    void reply(std::int32_t majorOpcode, std::int32_t minorOpcode, const TestReply &reply);

    // Answers requests of this major opcode (any minor without a scripted
    // reply) with whatever the handler returns. The handler runs on the
    // server's thread while the client waits; it may inject faults for the
    // reply it is building.
    void onRequest(std::int32_t majorOpcode, Handler handler);
    // The handler registered for this major opcode (empty when there is
    // none), so that a server built from several stores can put a layer of
    // its own over one of them.
    Handler handler(std::int32_t majorOpcode) const;

    // Applies to the next reply only; several faults may be combined.
    void injectFault(const TestFault &fault);

    // Chooses faults for every reply from now on, besides the injected ones,
    // until replaced by an empty picker. It runs on the server's thread with
    // the request and the length of the sound reply frame.
    using FaultPicker = std::function<std::vector<TestFault>(const TestRequest &, std::size_t frameLength)>;
    void setFaultPicker(FaultPicker picker);

    // With true, a log-on (3) that does not open under the session key but
    // does under the all-zero key starts a new session, as the suite's server
    // does for a client that went away without logging off.
    void setLogOnStartsSession(bool starts);

    void setSessionKey(const TestSessionKey &key);
    TestSessionKey sessionKey() const;

    // The session id every reply header carries from now on, unless the reply
    // names its own. Until this is called a reply echoes the request's id.
    void setReplySessionId(std::int32_t id);

    // Every request received since start (or the last clear), in order.
    std::vector<TestRequest> requests() const;
    void clearRequests();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
}

#endif // TESTSERVER_H
