#ifndef MESSAGECODE_H
#define MESSAGECODE_H

#include <cstdint>
#include <string>

// The encrypted payload of a frame.
class MessageCode
{
public:
    MessageCode();
    virtual ~MessageCode();

    const std::string &getCode() const { return m_code; }
    std::uint32_t getCodeLength() const { return m_codeLength; }
    void setCode(const std::string &code);
    void setCode(std::string &&code);
    // Moves the ciphertext out, leaving the segment empty.
    std::string takeCode();
    // The length a received header announces, before the segment is read.
    void setCodeLength(std::uint32_t length) { m_codeLength = length; }
    // Resizes the ciphertext to length bytes, new bytes zero.
    void resizeCode(std::uint32_t length);

private:
    std::uint32_t m_codeLength = 0;
    std::string m_code;
};

#endif // MESSAGECODE_H
