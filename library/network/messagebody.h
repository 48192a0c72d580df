#ifndef MESSAGEBODY_H
#define MESSAGEBODY_H

#include <cstdint>
#include <string>

// The clear payload of a frame: the request before it is encrypted, the reply
// after it is decrypted. It never travels filled.
class MessageBody
{
public:
    MessageBody();
    virtual ~MessageBody();

    const std::string &getBody() const { return m_body; }
    std::uint32_t getBodyLength() const { return m_bodyLength; }
    void setBody(const std::string &body);
    void setBody(std::string &&body);
    // Moves the payload out, leaving the segment empty.
    std::string takeBody();
    // The length a received header announces, before the segment is read.
    void setBodyLength(std::uint32_t length) { m_bodyLength = length; }

private:
    std::uint32_t m_bodyLength = 0;
    std::string m_body;
};

#endif // MESSAGEBODY_H
