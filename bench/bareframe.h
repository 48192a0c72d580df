#ifndef BAREFRAME_H
#define BAREFRAME_H

#include "baregcm.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench
{
// The frame as the bare side writes and reads it by hand: a header of twenty
// little-endian words (the last five the segment lengths), then the MAC, the
// nonce, the tag and the sealed payload, no clear body.
namespace bareframe
{
constexpr std::size_t HeaderLength = 80;
constexpr std::size_t HmacLengthWord = 15;
constexpr std::size_t CodeLengthWord = 18;

// The header of a request (opcode, 1) carrying size sealed bytes.
std::string Header(std::uint32_t opcode, std::size_t size);

// The given word of a header.
std::uint32_t Word(const char *header, std::size_t index);
void SetWord(char *header, std::size_t index, std::uint32_t value);

// The frame's length from its header.
std::size_t FrameLength(const char *header);

// Reads from fd into buffer until it holds one whole frame of length bytes,
// in as few calls as the peer's writes allow; false when the connection ended
// first. The buffer only grows, so that reuse costs nothing.
bool ReadFrame(int fd, std::string &buffer, std::size_t &length);

// Writes header, nonce, tag and the sealed payload in one gathered write.
bool WriteFrame(int fd, const std::string &header, const BareGcm::Iv &iv, const BareGcm::Tag &tag,
                const std::string &code);
}
}

#endif // BAREFRAME_H
