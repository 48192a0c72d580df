#ifndef MESSAGEATAG_H
#define MESSAGEATAG_H

#include <array>
#include <cstddef>
#include <cstdint>

// The GCM authentication-tag segment of a frame.
class MessageAtag
{
public:
    static constexpr std::size_t m_AtagSize = 16;

    MessageAtag();
    virtual ~MessageAtag();

    unsigned char *getAtag() { return m_atag.data(); }
    const unsigned char *getAtag() const { return m_atag.data(); }
    std::uint32_t getAtagLength() const { return m_atagLength; }
    // The length a received header announces; the buffer itself never grows.
    void setAtagLength(std::uint32_t length) { m_atagLength = length; }

private:
    std::uint32_t m_atagLength = m_AtagSize;
    std::array<unsigned char, m_AtagSize> m_atag{};
};

#endif // MESSAGEATAG_H
