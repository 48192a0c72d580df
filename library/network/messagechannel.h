#ifndef MESSAGECHANNEL_H
#define MESSAGECHANNEL_H

#include <ace/INET_Addr.h>
#include <ace/SOCK_Stream.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <string>
#include <sys/types.h>
#include <sys/uio.h>

// The TCP connection of one frame. It is opened once, used for one request
// and its reply, and closed when the frame goes away. The exchange blocks its
// thread, so the connect and every read and write give up once the peer has
// made no progress for the inactivity time-out: a server that accepts and
// never answers fails the exchange like a broken connection instead of
// freezing the client.
class MessageChannel
{
public:
    static constexpr std::chrono::milliseconds m_DefaultInactivityTimeout{std::chrono::seconds(30)};

    MessageChannel(unsigned short port, const std::string &host);
    virtual ~MessageChannel();

    MessageChannel(const MessageChannel &) = delete;
    MessageChannel &operator=(const MessageChannel &) = delete;

    unsigned short getPort() const { return m_port; }
    const std::string &getHost() const { return m_host; }
    ACE_SOCK_Stream &getSockStream() { return m_sockStream; }

    // 0 when connected to the host and port, -1 otherwise.
    [[nodiscard]] int connect();

    // Writes every buffer in one gathered write; returns the bytes written,
    // or -1 when the connection failed or stalled before all of them went out.
    [[nodiscard]] ssize_t sendAll(const iovec buffers[], int count);

    // Reads exactly length bytes into buffer; false when fewer arrive.
    [[nodiscard]] bool receiveExact(void *buffer, std::size_t length);

    // Reads exactly length bytes into text. The text's memory is committed
    // only as the bytes arrive, so a length announced by the peer costs
    // nothing it does not actually send.
    [[nodiscard]] bool receiveExact(std::string &text, std::size_t length);

    // Reads exactly length bytes and throws them away.
    [[nodiscard]] bool skipExact(std::size_t length);

    // How long the connect, a read or a write may wait without progress. Every
    // channel made afterwards uses it; tests shorten it.
    static void setInactivityTimeout(std::chrono::milliseconds timeout);

private:
    bool connectTo(const ACE_INET_Addr &address);

    unsigned short m_port;
    std::string m_host;
    std::chrono::milliseconds m_timeout;
    // Bytes a read brought beyond what it was asked for, [m_aheadBegin,
    // m_aheadEnd), handed out by the next reads.
    std::array<char, 16 * 1024> m_ahead;
    std::size_t m_aheadBegin = 0;
    std::size_t m_aheadEnd = 0;
    ACE_SOCK_Stream m_sockStream;
};

#endif // MESSAGECHANNEL_H
