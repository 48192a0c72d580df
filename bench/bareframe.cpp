#include "bareframe.h"

#include <sys/socket.h>
#include <sys/uio.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace bench::bareframe
{
namespace
{
constexpr std::size_t IvLength = sizeof(BareGcm::Iv);
constexpr std::size_t TagLength = sizeof(BareGcm::Tag);
constexpr std::size_t FirstRead = 64 * 1024;
}

std::uint32_t Word(const char *header, std::size_t index)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(header + 4 * index);
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
           | std::uint32_t(bytes[3]) << 24;
}

void SetWord(char *header, std::size_t index, std::uint32_t value)
{
    auto *bytes = reinterpret_cast<unsigned char *>(header + 4 * index);
    for (int shift = 0; shift < 4; ++shift)
        bytes[shift] = static_cast<unsigned char>(value >> (8 * shift));
}

std::string Header(std::uint32_t opcode, std::size_t size)
{
    std::string header(HeaderLength, '\0');
    SetWord(header.data(), 0, 1); // little-endian
    SetWord(header.data(), 5, opcode);
    SetWord(header.data(), 6, 1);
    SetWord(header.data(), 7, 1);
    SetWord(header.data(), 8, 1);
    SetWord(header.data(), HmacLengthWord + 1, IvLength);
    SetWord(header.data(), HmacLengthWord + 2, TagLength);
    SetWord(header.data(), CodeLengthWord, static_cast<std::uint32_t>(size));
    return header;
}

std::size_t FrameLength(const char *header)
{
    std::size_t length = HeaderLength;
    for (std::size_t word = HmacLengthWord; word < HmacLengthWord + 5; ++word)
        length += Word(header, word);
    return length;
}

bool ReadFrame(int fd, std::string &frame, std::size_t &length)
{
    if (frame.size() < FirstRead)
        frame.resize(FirstRead);
    std::size_t done = 0;
    std::size_t wanted = HeaderLength;
    while (done < wanted) {
        const ssize_t count = ::recv(fd, frame.data() + done, frame.size() - done, 0);
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
        if (wanted == HeaderLength && done >= HeaderLength) {
            wanted = FrameLength(frame.data());
            frame.resize(std::max(frame.size(), wanted));
        }
    }
    length = wanted;
    return true;
}

bool WriteFrame(int fd, const std::string &header, const BareGcm::Iv &iv, const BareGcm::Tag &tag,
                const std::string &code)
{
    std::array<iovec, 4> buffers = {{{const_cast<char *>(header.data()), header.size()},
                                     {const_cast<unsigned char *>(iv.data()), iv.size()},
                                     {const_cast<unsigned char *>(tag.data()), tag.size()},
                                     {const_cast<char *>(code.data()), code.size()}}};
    std::size_t left = header.size() + iv.size() + tag.size() + code.size();
    iovec *first = buffers.data();
    while (left > 0) {
        msghdr message{};
        message.msg_iov = first;
        message.msg_iovlen = static_cast<decltype(message.msg_iovlen)>(buffers.data() + buffers.size() - first);
        const ssize_t written = ::sendmsg(fd, &message, MSG_NOSIGNAL);
        if (written <= 0)
            return false;
        left -= static_cast<std::size_t>(written);
        for (auto step = static_cast<std::size_t>(written); step > 0;) {
            const std::size_t part = std::min(step, first->iov_len);
            first->iov_base = static_cast<char *>(first->iov_base) + part;
            first->iov_len -= part;
            step -= part;
            if (first->iov_len == 0)
                ++first;
        }
    }
    return true;
}
}
