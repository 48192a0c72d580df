#include "sockethandle.h"

#include <unistd.h>

namespace testsupport
{
SocketHandle &SocketHandle::operator=(SocketHandle &&other) noexcept
{
    if (this != &other)
        reset(other.release());
    return *this;
}

int SocketHandle::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

void SocketHandle::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}
}
