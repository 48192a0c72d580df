#include "loopbackechopeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace bench
{
namespace
{
sockaddr_in Loopback(unsigned short port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

bool ReadExact(int fd, char *buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t count = ::recv(fd, buffer + done, size - done, 0);
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

bool WriteAll(int fd, const char *buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t count = ::send(fd, buffer + done, size - done, MSG_NOSIGNAL);
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}
}

LoopbackEchoPeer::LoopbackEchoPeer(std::size_t size)
    : m_size(size)
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
    std::unique_ptr<char[]> buffer(new char[m_size]);
    while (!m_stopping) {
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        if (!m_stopping && ReadExact(connection, buffer.get(), m_size))
            WriteAll(connection, buffer.get(), m_size);
        ::close(connection);
    }
}

bool BareExchange(unsigned short port, const char *bytes, char *back, std::size_t size)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const sockaddr_in address = Loopback(port);
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
                    && WriteAll(fd, bytes, size) && ReadExact(fd, back, size);
    ::close(fd);
    return ok;
}
}
