#include "message.h"

#include "crypto.h"
#include "noncesource.h"
#include "opensslruntimeerror.h"
#include "qorvassert.h"

#include <ace/CDR_Stream.h>
#include <ace/Log_Msg.h>

#include <array>
#include <climits>
#include <cstring>
#include <iterator>
#include <stdexcept>

namespace
{
constexpr std::size_t HeaderWordCount = 20;
constexpr unsigned char NoSessionKey[16] = {};

const unsigned char *KeyOrZero(const unsigned char *key)
{
    return key ? key : NoSessionKey;
}
}

Message::Message(unsigned short port, const char *host)
    : MessageChannel(port, host ? host : "")
{
}

Message::~Message() = default;

int Message::encrypt(const unsigned char *key)
{
    if (getBody().empty())
        return 1;
    const int length = sealIntoCode(getBody(), key);
    if (length > 0)
        setBody(std::string());
    return length;
}

int Message::encrypt(const unsigned char *key, const std::string &payload)
{
    if (payload.empty())
        return 1;
    return sealIntoCode(payload, key);
}

int Message::sealIntoCode(const std::string &payload, const unsigned char *key)
{
    // The cipher counts in a signed 32-bit length.
    if (payload.size() > static_cast<std::size_t>(INT_MAX))
        throw std::length_error("Message::encrypt()");

    // A nonce must never repeat under one key, so an IV that cannot be drawn
    // stops the exchange instead of going out unfilled.
    if (!NonceSource::fill(getIvec(), m_IvecSize))
        throw OpenSSLRuntimeError("RAND_bytes");

    // Sealed in place: the copy is the only pass over the payload besides the
    // cipher's own.
    std::string code(payload);
    unsigned char *bytes = reinterpret_cast<unsigned char *>(&code[0]);
    const int length = crypto::AesGcmEncrypt(bytes, bytes, code.size(), KeyOrZero(key), getIvec(), getAtag());
    if (length > 0) {
        code.resize(static_cast<std::size_t>(length));
        setCode(std::move(code));
    }
    return length;
}

int Message::decrypt(const unsigned char *key)
{
    if (getCode().empty())
        return 1;
    if (getCode().size() > static_cast<std::size_t>(INT_MAX))
        return -1;

    // Opened in place, so the received bytes become the payload without
    // another buffer.
    std::string text = takeCode();
    unsigned char *bytes = reinterpret_cast<unsigned char *>(&text[0]);
    const int length = crypto::AesGcmDecrypt(bytes, bytes, text.size(), KeyOrZero(key), getIvec(), getAtag());
    if (length < 0) {
        // The refused bytes must not be used, and the frame must stay as it
        // arrived: sealing them again under the same key and nonce gives the
        // ciphertext back, since the counter mode's key stream undoes itself.
        std::array<unsigned char, m_AtagSize> unusedTag{};
        crypto::AesGcmEncrypt(bytes, bytes, text.size(), KeyOrZero(key), getIvec(), unusedTag.data());
        setCode(std::move(text));
        return -1;
    }
    text.resize(static_cast<std::size_t>(length));
    setBody(std::move(text));
    return length;
}

ssize_t Message::send()
{
    // The length words must describe exactly the buffers that follow them.
    const bool consistent = getHmacLength() == getHmac().size() && getIvecLength() == m_IvecSize
                            && getAtagLength() == m_AtagSize && getCodeLength() == getCode().size()
                            && getBodyLength() == getBody().size();
    QORV_ASSERT(consistent);
    if (!consistent)
        return -1;

    const std::string header = encodeHeader();
    const iovec buffers[] = {
        {const_cast<char *>(header.data()), header.size()},
        {const_cast<char *>(getHmac().data()), getHmac().size()},
        {const_cast<unsigned char *>(getIvec()), m_IvecSize},
        {const_cast<unsigned char *>(getAtag()), m_AtagSize},
        {const_cast<char *>(getCode().data()), getCode().size()},
        {const_cast<char *>(getBody().data()), getBody().size()},
    };
    std::size_t expected = 0;
    for (const iovec &buffer : buffers)
        expected += buffer.iov_len;

    const ssize_t written = sendAll(buffers, static_cast<int>(std::size(buffers)));
    if (written < 0 || static_cast<std::size_t>(written) != expected) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) %p\n"), ACE_TEXT("Message::send()")));
        return -1;
    }
    return written;
}

int Message::receive()
{
    if (receiveHeader() < 0)
        return -1;
    if (!withinFrameLimit()) {
        // Nothing of such a reply is read, so it counts as a reply that never
        // arrived: the failure pair, whatever codes its header claimed.
        setMajorErcode(1);
        setMinorErcode(1);
        ACE_ERROR(
            (LM_WARNING, ACE_TEXT("(%P|%t) Message::receive(): reply refused, its segments exceed the frame limit\n")));
        return -1;
    }
    if (receiveHmac() < 0 || receiveIvec() < 0 || receiveAtag() < 0 || receiveCode() < 0 || receiveBody() < 0)
        return -1;
    return 0;
}

bool Message::withinFrameLimit() const
{
    const std::uint64_t total =
        std::uint64_t(getHmacLength()) + getIvecLength() + getAtagLength() + getCodeLength() + getBodyLength();
    return total <= m_MaxFrameLength;
}

ssize_t Message::receiveHeader()
{
    // ACE_InputCDR reads in place and expects an aligned buffer.
    alignas(ACE_CDR::MAX_ALIGNMENT) char bytes[m_HeaderLength];
    if (!receiveExact(bytes, m_HeaderLength)) {
        ACE_DEBUG(
            (LM_NOTICE, ACE_TEXT("(%P|%t) %p\n"), ACE_TEXT("Message::receiveHeader(): headerCount != m_HeaderLength")));
        return -1;
    }
    decodeHeader(bytes);
    return static_cast<ssize_t>(m_HeaderLength);
}

ssize_t Message::receiveHmac()
{
    if (!skipExact(getHmacLength()))
        return -1;
    return static_cast<ssize_t>(getHmacLength());
}

ssize_t Message::receiveIvec()
{
    // The buffer holds exactly one IV; any other length is not this protocol.
    if (getIvecLength() != m_IvecSize || !receiveExact(getIvec(), m_IvecSize))
        return -1;
    return static_cast<ssize_t>(m_IvecSize);
}

ssize_t Message::receiveAtag()
{
    if (getAtagLength() != m_AtagSize || !receiveExact(getAtag(), m_AtagSize))
        return -1;
    return static_cast<ssize_t>(m_AtagSize);
}

ssize_t Message::receiveCode()
{
    // Longer ciphertexts than the cipher's signed 32-bit count cannot be
    // opened, so there is no point in reading them.
    if (getCodeLength() > static_cast<std::uint32_t>(INT_MAX))
        return -1;
    std::string code;
    if (!receiveExact(code, getCodeLength()))
        return -1;
    setCode(std::move(code));
    return static_cast<ssize_t>(getCodeLength());
}

ssize_t Message::receiveBody()
{
    // Replies carry their payload sealed in the code segment. A clear body
    // would reach the caller unauthenticated, so a reply announcing one is
    // refused.
    if (getBodyLength() != 0)
        return -1;
    setBody(std::string());
    return 0;
}

std::string Message::encodeHeader() const
{
    ACE_OutputCDR cdr(m_HeaderLength + ACE_CDR::MAX_ALIGNMENT, ACE_CDR::BYTE_ORDER_LITTLE_ENDIAN);
    const std::array<std::int32_t, 15> fields = {
        getByteOrder(),   getSessionId(),   getMessageId(),   getMajorProtocol(), getMinorProtocol(),
        getMajorOpcode(), getMinorOpcode(), getMajorErcode(), getMinorErcode(),   getYear(),
        getMonth(),       getDay(),         getHour(),        getMinute(),        getSecond()};
    for (const std::int32_t field : fields)
        cdr.write_ulong(static_cast<ACE_CDR::ULong>(field));
    cdr.write_ulong(getHmacLength());
    cdr.write_ulong(getIvecLength());
    cdr.write_ulong(getAtagLength());
    cdr.write_ulong(getCodeLength());
    cdr.write_ulong(getBodyLength());

    std::string header;
    header.reserve(m_HeaderLength);
    for (const ACE_Message_Block *block = cdr.begin(); block; block = block->cont())
        header.append(block->rd_ptr(), block->length());
    QORV_ASSERT(m_HeaderLength == header.size());
    return header;
}

void Message::decodeHeader(const char *bytes)
{
    alignas(ACE_CDR::MAX_ALIGNMENT) char aligned[m_HeaderLength];
    std::memcpy(aligned, bytes, m_HeaderLength);
    ACE_InputCDR cdr(aligned, m_HeaderLength, ACE_CDR::BYTE_ORDER_LITTLE_ENDIAN);

    std::array<ACE_CDR::ULong, HeaderWordCount> words{};
    cdr.read_ulong(words[0]);
    if (words[0] != 1)
        cdr.reset_byte_order(ACE_CDR::BYTE_ORDER_BIG_ENDIAN);
    for (std::size_t i = 1; i < HeaderWordCount; ++i)
        cdr.read_ulong(words[i]);

    const auto word = [&words](std::size_t i) { return static_cast<std::int32_t>(words[i]); };
    setByteOrder(word(0));
    setSessionId(word(1));
    setMessageId(word(2));
    setMajorProtocol(word(3));
    setMinorProtocol(word(4));
    setMajorOpcode(word(5));
    setMinorOpcode(word(6));
    // A reply still carrying the request's (1, 1) means the server had
    // nothing to report; 1 is therefore never an error code.
    setMajorErcode(word(7) == 1 ? 0 : word(7));
    setMinorErcode(word(8) == 1 ? 0 : word(8));
    setYear(word(9));
    setMonth(word(10));
    setDay(word(11));
    setHour(word(12));
    setMinute(word(13));
    setSecond(word(14));
    setHmacLength(words[15]);
    setIvecLength(words[16]);
    setAtagLength(words[17]);
    setCodeLength(words[18]);
    setBodyLength(words[19]);
}
