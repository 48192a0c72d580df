#include "testserver.h"

#include "clock.h"
#include "servercipher.h"
#include "serverframe.h"
#include "sockethandle.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace testsupport
{
namespace
{
// Far beyond any payload a test sends; a longer announcement is a broken
// request and is not read.
constexpr std::uint32_t MaxSegmentLength = 64u * 1024u * 1024u;
constexpr int PollIntervalMs = 100;
constexpr std::int32_t LogOnOpcode = 3;
}

struct TestServer::State
{
    mutable std::mutex mutex;
    std::map<std::pair<std::int32_t, std::int32_t>, TestReply> scripted;
    std::map<std::int32_t, Handler> handlers;
    std::vector<TestFault> pendingFaults;
    FaultPicker faultPicker;
    bool logOnStartsSession = false;
    std::vector<TestRequest> requests;
    TestSessionKey sessionKey{};
    std::optional<std::int32_t> replySessionId;

    SocketHandle listener;
    SocketHandle wakeRead;
    SocketHandle wakeWrite;
    unsigned short port = 0;
    std::thread thread;
    std::atomic<bool> stopping{false};

    void run();
    void serve(int fd);
    bool readExact(int fd, std::string &out, std::size_t length) const;
    bool readRequest(int fd, TestRequest &request) const;
    TestReply answer(const TestRequest &request);
    void holdUntilClosed(int fd) const;
    bool openPayload(TestRequest &request);
    void sendFrame(int fd, const std::string &frame, const TestFault *trickle) const;
    std::string buildReply(const TestRequest &request, const TestReply &reply, const std::vector<TestFault> &faults,
                           const TestSessionKey &key) const;
};

TestServer::TestServer()
    : m_state(std::make_unique<State>())
{
}

TestServer::~TestServer()
{
    stop();
}

bool TestServer::start(unsigned short port)
{
    if (m_state->thread.joinable())
        return true;

    std::signal(SIGPIPE, SIG_IGN);

    SocketHandle listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!listener.isValid())
        return false;
    const int yes = 1;
    ::setsockopt(listener.get(), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::listen(listener.get(), 16) != 0)
        return false;
    socklen_t length = sizeof address;
    if (::getsockname(listener.get(), reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return false;

    int wake[2];
    if (::pipe2(wake, O_CLOEXEC) != 0)
        return false;

    m_state->wakeRead.reset(wake[0]);
    m_state->wakeWrite.reset(wake[1]);
    m_state->listener = std::move(listener);
    m_state->port = ntohs(address.sin_port);
    m_state->stopping = false;
    m_state->thread = std::thread([state = m_state.get()] { state->run(); });
    return true;
}

void TestServer::stop()
{
    if (!m_state->thread.joinable())
        return;
    m_state->stopping = true;
    const char wake = 'x';
    [[maybe_unused]] const ssize_t written = ::write(m_state->wakeWrite.get(), &wake, 1);
    m_state->thread.join();
    m_state->listener.reset();
    m_state->wakeRead.reset();
    m_state->wakeWrite.reset();
}

unsigned short TestServer::port() const
{
    return m_state->port;
}

void TestServer::reply(std::int32_t majorOpcode, std::int32_t minorOpcode, const std::string &payload,
                       std::int32_t majorErcode, std::int32_t minorErcode)
{
    TestReply scripted;
    scripted.payload = payload;
    scripted.majorErcode = majorErcode;
    scripted.minorErcode = minorErcode;
    reply(majorOpcode, minorOpcode, scripted);
}

void TestServer::reply(std::int32_t majorOpcode, std::int32_t minorOpcode, const TestReply &reply)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->scripted[{majorOpcode, minorOpcode}] = reply;
}

void TestServer::onRequest(std::int32_t majorOpcode, Handler handler)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->handlers[majorOpcode] = std::move(handler);
}

TestServer::Handler TestServer::handler(std::int32_t majorOpcode) const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    const auto found = m_state->handlers.find(majorOpcode);
    return found != m_state->handlers.end() ? found->second : Handler();
}

void TestServer::injectFault(const TestFault &fault)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->pendingFaults.push_back(fault);
}

void TestServer::setFaultPicker(FaultPicker picker)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->faultPicker = std::move(picker);
}

void TestServer::setLogOnStartsSession(bool starts)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->logOnStartsSession = starts;
}

void TestServer::setSessionKey(const TestSessionKey &key)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->sessionKey = key;
}

TestSessionKey TestServer::sessionKey() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->sessionKey;
}

void TestServer::setReplySessionId(std::int32_t id)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->replySessionId = id;
}

std::vector<TestRequest> TestServer::requests() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->requests;
}

void TestServer::clearRequests()
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->requests.clear();
}

void TestServer::State::run()
{
    while (!stopping) {
        pollfd fds[2] = {{listener.get(), POLLIN, 0}, {wakeRead.get(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents != 0)
            break;
        if ((fds[0].revents & POLLIN) == 0)
            continue;
        SocketHandle connection(::accept4(listener.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (!connection.isValid())
            continue;
        serve(connection.get());
        ::shutdown(connection.get(), SHUT_RDWR);
    }
}

bool TestServer::State::readExact(int fd, std::string &out, std::size_t length) const
{
    std::string received(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        if (stopping)
            return false;
        pollfd pfd{fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, PollIntervalMs);
        if (ready < 0)
            return false;
        if (ready == 0)
            continue;
        const ssize_t count = ::recv(fd, &received[done], length - done, 0);
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    out = std::move(received);
    return true;
}

bool TestServer::State::readRequest(int fd, TestRequest &request) const
{
    if (!readExact(fd, request.rawHeader, ServerFrame::HeaderLength))
        return false;

    const ServerFrame::Words words = ServerFrame::read(request.rawHeader);
    const auto word = [&words](ServerFrame::Word i) { return static_cast<std::int32_t>(words[i]); };
    request.byteOrder = words[ServerFrame::ByteOrder];
    request.sessionId = word(ServerFrame::SessionId);
    request.messageId = word(ServerFrame::MessageId);
    request.majorProtocol = word(ServerFrame::MajorProtocol);
    request.minorProtocol = word(ServerFrame::MinorProtocol);
    request.majorOpcode = word(ServerFrame::MajorOpcode);
    request.minorOpcode = word(ServerFrame::MinorOpcode);
    request.majorErcode = word(ServerFrame::MajorErcode);
    request.minorErcode = word(ServerFrame::MinorErcode);
    request.year = word(ServerFrame::Year);
    request.month = word(ServerFrame::Month);
    request.day = word(ServerFrame::Day);
    request.hour = word(ServerFrame::Hour);
    request.minute = word(ServerFrame::Minute);
    request.second = word(ServerFrame::Second);
    request.hmacLength = words[ServerFrame::HmacLength];
    request.ivecLength = words[ServerFrame::IvecLength];
    request.atagLength = words[ServerFrame::AtagLength];
    request.codeLength = words[ServerFrame::CodeLength];
    request.bodyLength = words[ServerFrame::BodyLength];

    if (request.ivecLength != ServerFrame::SegmentKeySize || request.atagLength != ServerFrame::SegmentKeySize
        || request.hmacLength > MaxSegmentLength || request.codeLength > MaxSegmentLength
        || request.bodyLength > MaxSegmentLength)
        return false;

    return readExact(fd, request.hmac, request.hmacLength) && readExact(fd, request.ivec, request.ivecLength)
           && readExact(fd, request.atag, request.atagLength) && readExact(fd, request.code, request.codeLength)
           && readExact(fd, request.body, request.bodyLength);
}

bool TestServer::State::openPayload(TestRequest &request)
{
    if (request.code.empty())
        return true;
    TestSessionKey key;
    bool freshLogOnAllowed = false;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        key = sessionKey;
        freshLogOnAllowed = logOnStartsSession && request.majorOpcode == LogOnOpcode;
    }
    if (ServerCipher::open(key, request.ivec, request.code, request.atag, request.payload))
        return true;
    const TestSessionKey zeroKey{};
    if (!freshLogOnAllowed || key == zeroKey
        || !ServerCipher::open(zeroKey, request.ivec, request.code, request.atag, request.payload))
        return false;
    // The old session is over; its reply goes out under the key the client
    // sealed with.
    const std::lock_guard<std::mutex> lock(mutex);
    sessionKey = zeroKey;
    return true;
}

void TestServer::State::serve(int fd)
{
    TestRequest request;
    const bool complete = readRequest(fd, request);
    if (request.rawHeader.empty())
        return;

    if (complete)
        request.authentic = openPayload(request);
    // Recorded before any answer leaves, so a client that has its reply finds
    // its request among requests().
    const auto record = [this](TestRequest &&done) {
        const std::lock_guard<std::mutex> lock(mutex);
        requests.push_back(std::move(done));
    };
    if (!request.authentic) {
        record(std::move(request));
        return;
    }

    const TestReply reply = answer(request);
    std::vector<TestFault> faults;
    TestSessionKey key;
    FaultPicker picker;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        faults.swap(pendingFaults);
        key = sessionKey;
        picker = faultPicker;
    }
    if (picker) {
        const std::size_t frameLength =
            ServerFrame::HeaderLength + 2 * ServerFrame::SegmentKeySize + reply.payload.size();
        for (const TestFault &picked : picker(request, frameLength))
            faults.push_back(picked);
    }
    for (const TestFault &fault : faults) {
        if (fault.kind == TestFault::Kind::NoAnswer) {
            record(std::move(request));
            return;
        }
    }

    std::string frame = buildReply(request, reply, faults, key);
    record(std::move(request));
    const TestFault *stall = nullptr;
    const TestFault *trickle = nullptr;
    for (const TestFault &fault : faults) {
        if (fault.kind == TestFault::Kind::StallAfterBytes)
            stall = &fault;
        else if (fault.kind == TestFault::Kind::Trickle)
            trickle = &fault;
    }
    if (stall && stall->bytes < frame.size())
        frame.resize(stall->bytes);
    sendFrame(fd, frame, trickle);

    if (reply.nextSessionKey) {
        const std::lock_guard<std::mutex> lock(mutex);
        sessionKey = *reply.nextSessionKey;
    }
    if (stall)
        holdUntilClosed(fd);
}

void TestServer::State::sendFrame(int fd, const std::string &frame, const TestFault *trickle) const
{
    const std::size_t step = trickle && trickle->bytes > 0 ? trickle->bytes : frame.size();
    std::size_t sent = 0;
    while (sent < frame.size() && !stopping) {
        if (sent > 0 && trickle)
            std::this_thread::sleep_for(trickle->pause);
        const std::size_t end = std::min(frame.size(), sent + step);
        while (sent < end) {
            const ssize_t count = ::send(fd, frame.data() + sent, end - sent, MSG_NOSIGNAL);
            if (count <= 0)
                return;
            sent += static_cast<std::size_t>(count);
        }
    }
}

void TestServer::State::holdUntilClosed(int fd) const
{
    char discard[256];
    while (!stopping) {
        pollfd pfd{fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, PollIntervalMs);
        if (ready < 0)
            return;
        if (ready > 0 && ::recv(fd, discard, sizeof discard, 0) <= 0)
            return;
    }
}

TestReply TestServer::State::answer(const TestRequest &request)
{
    Handler handler;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto scriptedReply = scripted.find({request.majorOpcode, request.minorOpcode});
        if (scriptedReply != scripted.end())
            return scriptedReply->second;
        const auto found = handlers.find(request.majorOpcode);
        if (found != handlers.end())
            handler = found->second;
    }
    // Outside the lock: the handler may script the server itself.
    return handler ? handler(request) : TestReply();
}

std::string TestServer::State::buildReply(const TestRequest &request, const TestReply &reply,
                                          const std::vector<TestFault> &faults, const TestSessionKey &key) const
{
    std::string ivec(ServerFrame::SegmentKeySize, '\0');
    std::string atag(ServerFrame::SegmentKeySize, '\0');
    std::string code;
    std::string body;
    std::string hmac;
    if (!reply.payload.empty())
        ServerCipher::seal(key, reply.payload, ivec, code, atag);

    std::int32_t sessionId = request.sessionId;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (replySessionId)
            sessionId = *replySessionId;
    }
    if (reply.sessionId)
        sessionId = *reply.sessionId;

    const std::tm now = Clock::nowUtc();
    ServerFrame::Words words{};
    words[ServerFrame::ByteOrder] = 1;
    words[ServerFrame::SessionId] = static_cast<std::uint32_t>(sessionId);
    words[ServerFrame::MessageId] = 0;
    words[ServerFrame::MajorProtocol] = 1;
    words[ServerFrame::MinorProtocol] = 0;
    words[ServerFrame::MajorOpcode] = static_cast<std::uint32_t>(request.majorOpcode);
    words[ServerFrame::MinorOpcode] = static_cast<std::uint32_t>(request.minorOpcode);
    words[ServerFrame::MajorErcode] = static_cast<std::uint32_t>(reply.majorErcode);
    words[ServerFrame::MinorErcode] = static_cast<std::uint32_t>(reply.minorErcode);
    words[ServerFrame::Year] = static_cast<std::uint32_t>(now.tm_year + 1900);
    words[ServerFrame::Month] = static_cast<std::uint32_t>(now.tm_mon + 1);
    words[ServerFrame::Day] = static_cast<std::uint32_t>(now.tm_mday);
    words[ServerFrame::Hour] = static_cast<std::uint32_t>(now.tm_hour);
    words[ServerFrame::Minute] = static_cast<std::uint32_t>(now.tm_min);
    words[ServerFrame::Second] = static_cast<std::uint32_t>(now.tm_sec);

    bool bigEndian = false;
    std::size_t truncateAt = std::string::npos;
    for (const TestFault &fault : faults) {
        switch (fault.kind) {
        case TestFault::Kind::WrongTag:
            atag[0] = static_cast<char>(atag[0] ^ 0x01);
            break;
        case TestFault::Kind::BigEndianHeader:
            bigEndian = true;
            break;
        case TestFault::Kind::ClearBody:
            body = fault.text;
            break;
        case TestFault::Kind::Hmac:
            hmac = fault.text;
            break;
        case TestFault::Kind::CloseAfterBytes:
            truncateAt = fault.bytes;
            break;
        case TestFault::Kind::WrongOpcode:
            words[ServerFrame::MajorOpcode] = static_cast<std::uint32_t>(fault.majorOpcode);
            words[ServerFrame::MinorOpcode] = static_cast<std::uint32_t>(fault.minorOpcode);
            break;
        default:
            break;
        }
    }

    words[ServerFrame::HmacLength] = static_cast<std::uint32_t>(hmac.size());
    words[ServerFrame::IvecLength] = static_cast<std::uint32_t>(ivec.size());
    words[ServerFrame::AtagLength] = static_cast<std::uint32_t>(atag.size());
    words[ServerFrame::CodeLength] = static_cast<std::uint32_t>(code.size());
    words[ServerFrame::BodyLength] = static_cast<std::uint32_t>(body.size());
    for (const TestFault &fault : faults) {
        if (fault.kind != TestFault::Kind::SegmentLength)
            continue;
        static const ServerFrame::Word positions[] = {ServerFrame::HmacLength, ServerFrame::IvecLength,
                                                      ServerFrame::AtagLength, ServerFrame::CodeLength,
                                                      ServerFrame::BodyLength};
        words[positions[static_cast<int>(fault.segment)]] = fault.length;
    }

    std::string frame = ServerFrame::write(words, bigEndian);
    frame.reserve(frame.size() + hmac.size() + ivec.size() + atag.size() + code.size() + body.size());
    frame.append(hmac).append(ivec).append(atag).append(code).append(body);
    if (truncateAt < frame.size())
        frame.resize(truncateAt);
    return frame;
}
}
