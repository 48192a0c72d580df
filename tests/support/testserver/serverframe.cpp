#include "serverframe.h"

namespace testsupport
{
namespace
{
std::uint32_t ReadLittle(const unsigned char *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint32_t ReadBig(const unsigned char *p)
{
    return std::uint32_t(p[3]) | std::uint32_t(p[2]) << 8 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[0]) << 24;
}
}

ServerFrame::Words ServerFrame::read(const std::string &header)
{
    Words words{};
    const auto *bytes = reinterpret_cast<const unsigned char *>(header.data());
    words[0] = ReadLittle(bytes);
    const bool big = words[0] != 1;
    for (std::size_t i = 1; i < WordCount; ++i)
        words[i] = big ? ReadBig(bytes + 4 * i) : ReadLittle(bytes + 4 * i);
    return words;
}

std::string ServerFrame::write(const Words &words, bool bigEndian)
{
    std::string header(HeaderLength, '\0');
    for (std::size_t i = 0; i < WordCount; ++i) {
        for (std::size_t b = 0; b < 4; ++b) {
            const std::size_t shift = bigEndian ? 8 * (3 - b) : 8 * b;
            header[4 * i + b] = static_cast<char>((words[i] >> shift) & 0xFF);
        }
    }
    return header;
}
}
