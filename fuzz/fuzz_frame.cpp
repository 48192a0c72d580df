// The reply frame reader: the input is everything a server sends back on the
// connection. It is read by the same code as a real reply (Message::receive
// over the frame's own socket, here one end of a socket pair whose other end
// has written the input and closed), then opened under the all-zero key as a
// reply before log-on is.
#include "message.h"

#include <ace/Log_Msg.h>

#include <cstddef>
#include <cstdint>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
// libFuzzer's -max_len for this target stays below what a socket pair buffers,
// so the whole input is written before the reader starts.
constexpr std::size_t MaxInput = 64 * 1024;

bool WriteAll(int fd, const std::uint8_t *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The frame logs its refusals; thousands of them per second say nothing.
    ACE_Log_Msg::instance()->priority_mask(0, ACE_Log_Msg::PROCESS);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > MaxInput)
        return -1;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return 0;
    const int buffer = 2 * MaxInput;
    ::setsockopt(fds[1], SOL_SOCKET, SO_SNDBUF, &buffer, sizeof buffer);
    ::setsockopt(fds[0], SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    const bool written = WriteAll(fds[1], data, size);
    ::close(fds[1]);
    if (!written) {
        ::close(fds[0]);
        return 0;
    }

    // The frame owns the reading end from here and closes it.
    Message message(0, "");
    message.getSockStream().set_handle(fds[0]);
    if (message.receive() == 0) {
        const bool sealed = !message.getCode().empty();
        const int length = message.decrypt(nullptr);
        // An opened reply must hand on exactly what the cipher produced.
        if (sealed && length > 0 && message.getBody().size() != static_cast<std::size_t>(length))
            __builtin_trap();
    }
    return 0;
}
