#include "messagechannel.h"

#include <ace/INET_Addr.h>
#include <ace/Log_Msg.h>
#include <ace/OS_NS_sys_socket.h>
#include <ace/Time_Value.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <utility>

namespace
{
// Each step of a growing receive buffer is filled by the reads right after
// it is made, while it is still in the cache.
constexpr std::size_t ReceiveChunkSize = 256 * 1024;

std::chrono::milliseconds InactivityTimeout = MessageChannel::m_DefaultInactivityTimeout;

bool TimedOut(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == ETIME || error == ETIMEDOUT;
}

// Logs a step that gave up for lack of progress, leaving errno telling so
// for the frame's own log line.
void ReportTimeout(const ACE_TCHAR *step)
{
    errno = ETIMEDOUT;
    ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) %p\n"), step));
    errno = ETIMEDOUT;
}
}

MessageChannel::MessageChannel(unsigned short port, const std::string &host)
    : m_port(port)
    , m_host(host)
    , m_timeout(InactivityTimeout)
{
}

MessageChannel::~MessageChannel()
{
    // Closing alone ends the connection; the exchange is over either way.
    if (m_sockStream.get_handle() != ACE_INVALID_HANDLE)
        m_sockStream.close();
}

void MessageChannel::setInactivityTimeout(std::chrono::milliseconds timeout)
{
    InactivityTimeout = timeout;
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
        if (connectTo(address))
            return 0;
    } while (address.next());
    return -1;
}

bool MessageChannel::connectTo(const ACE_INET_Addr &address)
{
    const ACE_Time_Value timeout(std::chrono::duration_cast<std::chrono::microseconds>(m_timeout));
    // The same limit for the connect and for every read and write of the
    // exchange: a blocked call returns once the peer has been silent that
    // long. Set before the connect, the send limit also bounds a blocking
    // connect, so the socket never has to be switched to non-blocking and
    // back for a timed connect.
    timeval limit = ACE_Time_Value(timeout);
    if (m_sockStream.open(SOCK_STREAM, address.get_type(), 0, 0) != 0
        || m_sockStream.set_option(SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) != 0
        || m_sockStream.set_option(SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0) {
        m_sockStream.close();
        return false;
    }
    if (ACE_OS::connect(m_sockStream.get_handle(), static_cast<sockaddr *>(address.get_addr()), address.get_size())
        != 0) {
        const int error = errno;
        m_sockStream.close();
        // A blocking connect that ran out of time reports it as still in
        // progress.
        if (error == EINPROGRESS || TimedOut(error))
            ReportTimeout(ACE_TEXT("MessageChannel::connect(): no connection within the time-out"));
        else
            errno = error;
        return false;
    }
    return true;
}

ssize_t MessageChannel::sendAll(const iovec buffers[], int count)
{
    std::size_t total = 0;
    for (int i = 0; i < count; ++i)
        total += buffers[i].iov_len;

    // A partial write leaves the rest of the buffers for the next call.
    std::array < iovec, IOV_MAX<64 ? IOV_MAX : 64> pending{};
    if (count < 0 || static_cast<std::size_t>(count) > pending.size())
        return -1;
    std::copy(buffers, buffers + count, pending.begin());
    iovec *first = pending.data();
    iovec *const end = pending.data() + count;

    std::size_t transferred = 0;
    while (transferred < total) {
        while (first != end && first->iov_len == 0)
            ++first;
        msghdr message{};
        message.msg_iov = first;
        message.msg_iovlen = static_cast<decltype(message.msg_iovlen)>(end - first);
        // A failure is logged with errno; clear what earlier calls left there.
        errno = 0;
        const ssize_t written = ACE_OS::sendmsg(m_sockStream.get_handle(), &message, MSG_NOSIGNAL);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (TimedOut(errno))
                ReportTimeout(ACE_TEXT("MessageChannel::sendAll(): no progress within the time-out"));
            return -1;
        }
        transferred += static_cast<std::size_t>(written);
        for (std::size_t left = static_cast<std::size_t>(written); left > 0;) {
            const std::size_t step = std::min(left, first->iov_len);
            first->iov_base = static_cast<char *>(first->iov_base) + step;
            first->iov_len -= step;
            left -= step;
            if (first->iov_len == 0)
                ++first;
        }
    }
    return static_cast<ssize_t>(transferred);
}

bool MessageChannel::receiveExact(void *buffer, std::size_t length)
{
    char *next = static_cast<char *>(buffer);
    std::size_t left = length;
    while (left > 0) {
        if (m_aheadBegin < m_aheadEnd) {
            const std::size_t step = std::min(left, m_aheadEnd - m_aheadBegin);
            std::memcpy(next, m_ahead.data() + m_aheadBegin, step);
            m_aheadBegin += step;
            next += step;
            left -= step;
            continue;
        }
        // A small read goes through the buffer, so that one call also brings
        // whatever of the frame has already arrived behind it (a whole small
        // reply at once); a large one goes straight to its destination.
        const bool ahead = left < m_ahead.size();
        // A peer that closes sets no errno; clear what earlier calls left there.
        errno = 0;
        const ssize_t read =
            ACE_OS::recv(m_sockStream.get_handle(), ahead ? m_ahead.data() : next, ahead ? m_ahead.size() : left, 0);
        if (read > 0) {
            if (ahead) {
                m_aheadBegin = 0;
                m_aheadEnd = static_cast<std::size_t>(read);
            } else {
                next += read;
                left -= static_cast<std::size_t>(read);
            }
            continue;
        }
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0 && TimedOut(errno))
            ReportTimeout(ACE_TEXT("MessageChannel::receiveExact(): no progress within the time-out"));
        return false;
    }
    return true;
}

bool MessageChannel::receiveExact(std::string &text, std::size_t length)
{
    std::string received;
    // Reserving only maps the memory; pages are touched as chunks are added.
    received.reserve(length);
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

bool MessageChannel::skipExact(std::size_t length)
{
    std::array<char, 4096> scratch;
    while (length > 0) {
        const std::size_t chunk = std::min(scratch.size(), length);
        if (!receiveExact(scratch.data(), chunk))
            return false;
        length -= chunk;
    }
    return true;
}
