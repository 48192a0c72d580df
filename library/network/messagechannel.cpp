#include "messagechannel.h"

#include <ace/INET_Addr.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace
{
// Large enough for any ordinary reply to arrive in one read.
constexpr std::size_t ReceiveChunkSize = 1024 * 1024;
}

MessageChannel::MessageChannel(unsigned short port, const std::string &host)
    : m_port(port)
    , m_host(host)
{
    m_sockStream.disable(ACE_NONBLOCK);
}

MessageChannel::~MessageChannel()
{
    if (m_sockStream.get_handle() != ACE_INVALID_HANDLE) {
        m_sockStream.close_reader();
        m_sockStream.close();
    }
}

int MessageChannel::connect()
{
    if (m_host.empty() || m_port == 0)
        return -1;

    ACE_INET_Addr address;
    if (address.set(m_port, m_host.c_str(), 1, AF_UNSPEC) != 0)
        return -1;

    // A name may resolve to several addresses (IPv6 and IPv4 for "localhost");
    // the server need listen on only one of them.
    do {
        if (m_sockConnector.connect(m_sockStream, address) == 0) {
            m_sockStream.disable(ACE_NONBLOCK);
            return 0;
        }
        m_sockStream.close();
    } while (address.next());
    return -1;
}

ssize_t MessageChannel::sendAll(const iovec buffers[], int count)
{
    // A failure is logged with errno; clear what earlier calls left there.
    errno = 0;
    std::size_t transferred = 0;
    const ssize_t written = m_sockStream.sendv_n(buffers, count, nullptr, &transferred);
    return written < 0 ? -1 : static_cast<ssize_t>(transferred);
}

bool MessageChannel::receiveExact(void *buffer, std::size_t length)
{
    if (length == 0)
        return true;
    // A peer that closes sets no errno; clear what earlier calls left there.
    errno = 0;
    std::size_t transferred = 0;
    const ssize_t read = m_sockStream.recv_n(buffer, length, nullptr, &transferred);
    return read >= 0 && transferred == length;
}

bool MessageChannel::receiveExact(std::string &text, std::size_t length)
{
    std::string received;
    while (received.size() < length) {
        const std::size_t chunk = std::min(ReceiveChunkSize, length - received.size());
        const std::size_t offset = received.size();
        received.resize(offset + chunk);
        if (!receiveExact(&received[offset], chunk))
            return false;
    }
    text = std::move(received);
    return true;
}
