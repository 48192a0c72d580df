#ifndef MESSAGEIVEC_H
#define MESSAGEIVEC_H

#include <array>
#include <cstddef>
#include <cstdint>

// The initialisation-vector segment of a frame: 16 bytes, of which AES-GCM
// uses the first 12 as its nonce; the last 4 travel unused.
class MessageIvec
{
public:
    static constexpr std::size_t m_IvecSize = 16;

    MessageIvec();
    virtual ~MessageIvec();

    unsigned char *getIvec() { return m_ivec.data(); }
    const unsigned char *getIvec() const { return m_ivec.data(); }
    std::uint32_t getIvecLength() const { return m_ivecLength; }
    // The length a received header announces; the buffer itself never grows.
    void setIvecLength(std::uint32_t length) { m_ivecLength = length; }

private:
    std::uint32_t m_ivecLength = m_IvecSize;
    std::array<unsigned char, m_IvecSize> m_ivec{};
};

#endif // MESSAGEIVEC_H
