#ifndef MESSAGEHMAC_H
#define MESSAGEHMAC_H

#include <cstdint>
#include <string>

// The HMAC segment of a frame. The client never produces one, and nothing
// checks a received one, so a reply's HMAC is read past and not kept: only
// its announced length remains.
class MessageHmac
{
public:
    MessageHmac();
    virtual ~MessageHmac();

    const std::string &getHmac() const { return m_hmac; }
    std::uint32_t getHmacLength() const { return m_hmacLength; }
    void setHmac(const std::string &hmac);
    // The length a received header announces, before the segment is read.
    void setHmacLength(std::uint32_t length) { m_hmacLength = length; }

    // 0 when text is not empty and equals the stored HMAC, else -1.
    [[nodiscard]] int certifyHmac(const std::string &text) const;

private:
    std::uint32_t m_hmacLength = 0;
    std::string m_hmac;
};

#endif // MESSAGEHMAC_H
