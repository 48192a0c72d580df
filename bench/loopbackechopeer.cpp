#include "loopbackechopeer.h"

#include "bareframe.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace bench
{
namespace
{
constexpr std::uint32_t EchoOpcode = 57;

sockaddr_in Loopback(unsigned short port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

// Where the nonce, the tag and the sealed payload of a whole frame lie;
// false when the frame is not one the bare side writes.
struct Segments
{
    BareGcm::Iv iv{};
    BareGcm::Tag tag{};
    const char *code = nullptr;
    std::size_t codeLength = 0;
};

bool Split(const std::string &frame, std::size_t length, Segments &segments)
{
    const char *header = frame.data();
    const std::size_t ivOffset = bareframe::HeaderLength + bareframe::Word(header, bareframe::HmacLengthWord);
    if (bareframe::Word(header, bareframe::HmacLengthWord + 1) != segments.iv.size()
        || bareframe::Word(header, bareframe::HmacLengthWord + 2) != segments.tag.size())
        return false;
    const std::size_t codeOffset = ivOffset + segments.iv.size() + segments.tag.size();
    segments.codeLength = bareframe::Word(header, bareframe::CodeLengthWord);
    if (codeOffset + segments.codeLength > length)
        return false;
    std::memcpy(segments.iv.data(), header + ivOffset, segments.iv.size());
    std::memcpy(segments.tag.data(), header + ivOffset + segments.iv.size(), segments.tag.size());
    segments.code = header + codeOffset;
    return true;
}

void NextNonce(BareGcm::Iv &iv)
{
    for (unsigned char &byte : iv)
        if (++byte != 0)
            break;
}
}

LoopbackEchoPeer::LoopbackEchoPeer(const BareGcm::Key &key)
    : m_gcm(key)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::listen(m_listener, 64) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        return;
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { run(); });
}

LoopbackEchoPeer::~LoopbackEchoPeer()
{
    if (m_thread.joinable()) {
        // A last connection wakes the blocked accept.
        m_stopping = true;
        const int wake = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_in address = Loopback(m_port);
        ::connect(wake, reinterpret_cast<const sockaddr *>(&address), sizeof address);
        ::close(wake);
        m_thread.join();
    }
    if (m_listener >= 0)
        ::close(m_listener);
}

void LoopbackEchoPeer::run()
{
    while (!m_stopping) {
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        if (!m_stopping)
            answer(connection);
        ::close(connection);
    }
}

void LoopbackEchoPeer::answer(int connection)
{
    Segments request;
    std::size_t length = 0;
    if (!bareframe::ReadFrame(connection, m_frame, length) || !Split(m_frame, length, request))
        return;
    m_plain.resize(request.codeLength);
    if (!m_gcm.open(request.code, request.codeLength, m_plain.data(), request.iv, request.tag))
        return;
    NextNonce(m_iv);
    BareGcm::Tag tag{};
    m_sealed.resize(m_plain.size());
    if (!m_gcm.seal(m_plain.data(), m_plain.size(), m_sealed.data(), m_iv, tag))
        return;
    // The request's header answers for the reply: the same words, no MAC and
    // no clear body.
    std::string header = m_frame.substr(0, bareframe::HeaderLength);
    bareframe::SetWord(header.data(), bareframe::HmacLengthWord, 0);
    bareframe::SetWord(header.data(), bareframe::HmacLengthWord + 4, 0);
    bareframe::WriteFrame(connection, header, m_iv, tag, m_sealed);
}

BareExchange::BareExchange(const BareGcm::Key &key)
    : m_gcm(key)
{
    // Not the peer's nonces: they count from the other end.
    m_iv.fill(0xff);
}

bool BareExchange::operator()(unsigned short port, const std::string &request, std::string &reply)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const sockaddr_in address = Loopback(port);
    NextNonce(m_iv);
    BareGcm::Tag tag{};
    m_sealed.resize(request.size());
    Segments segments;
    std::size_t length = 0;
    const bool ok = m_gcm.seal(request.data(), request.size(), m_sealed.data(), m_iv, tag)
                    && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
                    && bareframe::WriteFrame(fd, bareframe::Header(EchoOpcode, request.size()), m_iv, tag, m_sealed)
                    && bareframe::ReadFrame(fd, m_frame, length) && Split(m_frame, length, segments);
    ::close(fd);
    if (!ok)
        return false;
    reply.resize(segments.codeLength);
    return m_gcm.open(segments.code, segments.codeLength, reply.data(), segments.iv, segments.tag);
}
}
