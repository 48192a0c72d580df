#ifndef SOCKETHANDLE_H
#define SOCKETHANDLE_H

namespace testsupport
{
// Owns one file descriptor and closes it when it goes away.
class SocketHandle
{
public:
    SocketHandle() = default;
    explicit SocketHandle(int fd)
        : m_fd(fd)
    {
    }
    ~SocketHandle() { reset(); }

    SocketHandle(SocketHandle &&other) noexcept
        : m_fd(other.release())
    {
    }
    SocketHandle &operator=(SocketHandle &&other) noexcept;
    SocketHandle(const SocketHandle &) = delete;
    SocketHandle &operator=(const SocketHandle &) = delete;

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    int release();
    void reset(int fd = -1);

private:
    int m_fd = -1;
};
}

#endif // SOCKETHANDLE_H
